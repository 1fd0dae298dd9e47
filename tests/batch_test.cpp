// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// zifrel-batch run as a whole process, the way people use it.

#include "puzzle_maker.h"
#include "puzzle_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string Puzzles(const std::vector<SetPuzzle>& set, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += set[i].puzzle + "\n";
    return text;
}

TEST(Batch, SolvesSimplePuzzlesByDefault)
{
    const auto set = LoadPuzzleSet("simple");
    const BatchRun run = RunBatch("", Puzzles(set, 5));
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], set[i].solution);
    EXPECT_EQ(RunBatch("--solve", Puzzles(set, 5)).out, run.out);
}

TEST(Batch, CandidatesAfterOnePassAgreeWithTheSolution)
{
    const auto set = LoadPuzzleSet("easy");
    const BatchRun run = RunBatch("--candidates --pass 1", Puzzles(set, 20));
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 20u);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::istringstream fields(lines[n]);
        std::vector<std::string> cells;
        for (std::string field; fields >> field;)
            cells.push_back(field);
        ASSERT_EQ(cells.size(), 81u) << lines[n];
        for (std::size_t i = 0; i < 81; ++i) {
            const char digit = set[n].solution[i];
            EXPECT_NE(cells[i].find(digit), std::string::npos) << "puzzle " << n << " cell " << i;
            if (set[n].puzzle[i] != '.') {
                EXPECT_EQ(cells[i], std::string(1, digit));
            }
        }
    }
}

TEST(Batch, CellStepsWorkOnTheFirstCellsOnly)
{
    // (0, 0) is empty with 1 in its row and 2 and 3 in its column; one step
    // works on it and on nothing else.
    const std::string puzzle = ".1.......2........3..............................................................";
    const auto lines = Lines(RunBatch("--candidates --cell 1", puzzle + "\n").out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 18), "456789 1 123456789");
    const auto none = Lines(RunBatch("--candidates --cell 0", puzzle + "\n").out);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].substr(0, 20), "123456789 1 12345678");
}

TEST(Batch, PassCountsAndPlainOutput)
{
    const auto set = LoadPuzzleSet("simple");
    const std::string input = Puzzles(set, 3);
    const auto zero = Lines(RunBatch("--pass 0", input).out);
    ASSERT_EQ(zero.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        std::string expected = set[i].puzzle;
        for (char& c : expected)
            if (c == '.')
                c = '0';
        EXPECT_EQ(zero[i], expected);
    }
    EXPECT_EQ(RunBatch("--pass 1000000000000", input).out, RunBatch("", input).out);
}

TEST(Batch, BadLinesAreReportedAndTheRestStillRun)
{
    const auto set = LoadPuzzleSet("simple");
    const std::string input = set[0].puzzle + "\r\n" + "\n" + "12345\n" + set[1].puzzle + "\n"
        + set[2].puzzle.substr(0, 80) + "q\n" + "\xEF\xBB\xBF" + set[3].puzzle + "\n" + std::string(600, '1') + "\n"
        + "123456789\n123456789\n" + set[4].puzzle;
    const BatchRun run = RunBatch("", input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{set[0].solution, set[1].solution, set[4].solution}));
    EXPECT_EQ(Lines(run.err),
              (std::vector<std::string>{
                  "zifrel-batch: line 3: expected 81 cells, found 5",
                  "zifrel-batch: line 5: cell 81 is 'q', not 1-9, 0, ., _, *, x or ?",
                  "zifrel-batch: line 6: starts with a UTF-8 byte-order mark; save the text without it",
                  "zifrel-batch: line 7: too long",
                  "zifrel-batch: line 8: a 9x9 block stops after 2 rows",
              }));

    // One output line per input line: an empty one for the empty line, for
    // each bad line and for both rows of the block cut short.
    const BatchRun aligned = RunBatch("--aligned", input);
    EXPECT_EQ(
        Lines(aligned.out),
        (std::vector<std::string>{set[0].solution, "", "", set[1].solution, "", "", "", "", "", set[4].solution}));
}

// The man page's own example pairs each input line with its answer,
// whatever lies between the puzzles: empty lines, bad lines, a puzzle of
// nine lines with an empty line and a separator line inside it.
TEST(Batch, AlignedOutputKeepsInStepWithEveryInputLine)
{
    const auto set = LoadPuzzleSet("simple");
    std::string block;
    for (int row = 0; row < 9; ++row) {
        block += set[2].puzzle.substr(static_cast<std::size_t>(row) * 9, 9) + "\n";
        if (row == 2)
            block += "\n------+-------+------\n";
    }
    const std::string input = set[0].puzzle + "\n\n" + set[1].puzzle + "\n" + "12345\n\n" + block + "\n" + set[3].puzzle
        + "\n123456789\n\n" + set[4].puzzle + "\n";
    const BatchRun run = RunShell(std::string("\"") + ZIFREL_BATCH
                                      + "\" --aligned < in.txt | paste -d \" \" in.txt -; exit ${PIPESTATUS[0]}",
                                  input);
    EXPECT_EQ(run.status, 1) << run.err;
    const auto in = Lines(input);
    const auto out = Lines(run.out);
    ASSERT_EQ(out.size(), in.size());
    std::vector<std::string> expected;
    for (const std::string& line : in)
        expected.push_back(line + " ");
    const auto answer = [&](std::size_t line, const std::string& solution) { expected[line] += solution; };
    answer(0, set[0].solution);
    answer(2, set[1].solution);
    answer(5, set[2].solution); // the block's first row
    answer(17, set[3].solution);
    answer(20, set[4].solution);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(Lines(run.err),
              (std::vector<std::string>{"zifrel-batch: line 4: expected 81 cells, found 5",
                                        "zifrel-batch: line 19: a 9x9 block stops after 1 rows"}));

    // --grade keeps in step the same way.
    const auto graded = Lines(RunBatch("--grade --aligned", input).out);
    ASSERT_EQ(graded.size(), in.size());
    EXPECT_EQ(graded[5], set[2].puzzle + " 1 " + std::to_string(static_cast<int>(Grade(ValuesFrom(set[2].puzzle)))));
    EXPECT_EQ(graded[6], "");
}

// Spacing is never what makes a line too long: a line of spaces is an
// empty line, and a puzzle may spread its cells as wide as it likes.
TEST(Batch, SpacingNeverMakesALineTooLong)
{
    const SetPuzzle puzzle = LoadPuzzleSet("simple")[0];
    std::string spaced, block;
    for (std::size_t i = 0; i < puzzle.puzzle.size(); ++i)
        spaced += (i == 0 ? "" : "      ") + std::string(1, puzzle.puzzle[i]);
    ASSERT_EQ(spaced.size(), 561u);
    for (std::size_t row = 0; row < 9; ++row) {
        for (std::size_t c = 0; c < 9; ++c)
            block += std::string(70, ' ') + puzzle.puzzle[row * 9 + c];
        block += "\t\r\n";
    }
    const std::string input = std::string(600, ' ') + "\n" + spaced + "      \r\n" + block + std::string(100000, '\t')
        + "|" + std::string(100000, '-') + "\n";
    const BatchRun run = RunBatch("", input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, puzzle.solution + "\n" + puzzle.solution + "\n");
    EXPECT_EQ(Lines(RunBatch("--aligned", input).out).size(), 12u);

    // Box-drawing characters are spacing too, even cut in two where the
    // input is read in blocks (of 64 KiB), and a grid drawn with them reads.
    std::string drawn;
    for (std::size_t row = 0; row < 9; ++row) {
        for (std::size_t c = 0; c < 9; ++c)
            drawn += std::string(c % 3 == 0 ? "\u2502 " : "") + puzzle.puzzle[row * 9 + c] + " ";
        drawn += "\u2502\n";
        if (row % 3 == 2)
            drawn += "\u251C\u2500\u2500\u253C\u2500\u2500\u2524\n";
    }
    const std::string cut = std::string(65535, ' ') + "\u2502" + std::string(1000, '-') + puzzle.puzzle + "\n" + drawn;
    const BatchRun boxes = RunBatch("", cut);
    EXPECT_EQ(boxes.status, 0) << boxes.err;
    EXPECT_EQ(boxes.out, puzzle.solution + "\n" + puzzle.solution + "\n");

    // Bad lines say what they said before; a long one that is not spacing
    // is still too long.
    const BatchRun bad = RunBatch("",
                                  std::string(600, ' ') + "y\n" + std::string(600, '5') + "\n" + std::string(300, '5')
                                      + std::string(300, 'y') + "\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(Lines(bad.err),
              (std::vector<std::string>{"zifrel-batch: line 1: cell 1 is 'y', not 1-9, 0, ., _, *, x or ?",
                                        "zifrel-batch: line 2: too long", "zifrel-batch: line 3: too long"}));
}

// The forms puzzles travel in, each of the same puzzle.
TEST(Batch, ReadsTheFormsPuzzlesArePrintedIn)
{
    const SetPuzzle puzzle = LoadPuzzleSet("simple")[0];
    std::string zeros = puzzle.puzzle, marks = puzzle.puzzle, spaced, block, forum;
    for (std::size_t i = 0; i < zeros.size(); ++i) {
        if (zeros[i] == '.') {
            zeros[i] = '0';
            marks[i] = i % 2 ? '_' : '*';
        }
        spaced += (i ? " " : "") + std::string(1, puzzle.puzzle[i]);
    }
    for (int row = 0; row < 9; ++row) {
        const std::string cells = puzzle.puzzle.substr(static_cast<std::size_t>(row) * 9, 9);
        block += cells + "\r\n";
        if (row == 3 || row == 6)
            forum += "------+-------+------\n";
        for (int c = 0; c < 9; ++c)
            forum += std::string(c == 0 ? "" : c % 3 == 0 ? " | " : " ") + cells[static_cast<std::size_t>(c)];
        forum += "\n";
    }
    for (const std::string& form : {puzzle.puzzle, zeros, marks, spaced, "\t" + puzzle.puzzle + "  ", block, forum}) {
        const BatchRun run = RunBatch("", form + "\n");
        EXPECT_EQ(run.status, 0) << form << run.err;
        EXPECT_EQ(run.out, puzzle.solution + "\n") << form;
    }
}

TEST(Batch, BadOptionsAreNamedInOneLine)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--frobnicate", "unknown option '--frobnicate'; try --help"},
        {"--pass", "--pass needs a number of sweeps; try --help"},
        {"--cell", "--cell needs a number of cells; try --help"},
        {"--pass x", "--pass takes a whole number of sweeps, not 'x'"},
        {"--cell 3x", "--cell takes a whole number of cells, not '3x'"},
        {"--pass -1", "--pass takes a count of 0 or more, not '-1'"},
        {"--pass 99999999999999999999", "--pass 99999999999999999999 is too large (at most 18446744073709551615)"},
        {"--solve --pass 2", "give only one of --solve, --pass and --cell"},
        {"--pass 1 --cell 1", "give only one of --solve, --pass and --cell"},
        {"extra", "unexpected argument 'extra'; try --help"},
        {"--explain --aligned", "--aligned and --explain do not go together: --explain writes many lines per puzzle"},
        {"--generate", "--generate needs a number of puzzles; try --help"},
        {"--generate 0", "--generate takes a number of puzzles from 1 to 1000000000, not '0'"},
        {"--generate -3", "--generate takes a number of puzzles from 1 to 1000000000, not '-3'"},
        {"--generate 1000000001", "--generate takes a number of puzzles from 1 to 1000000000, not '1000000001'"},
        {"--generate 99999999999999999999",
         "--generate takes a number of puzzles from 1 to 1000000000, not "
         "'99999999999999999999'"},
        {"--generate ten", "--generate takes a number of puzzles from 1 to 1000000000, not 'ten'"},
        {"--generate 5 --level 0", "--level takes 1, 2, 3 or 4, not '0'"},
        {"--generate 5 --level 5", "--level takes 1, 2, 3 or 4, not '5'"},
        {"--generate 5 --level easy", "--level takes 1, 2, 3 or 4, not 'easy'"},
        {"--generate 5 --level", "--level needs a level, 1 to 4; try --help"},
        {"--generate 5 --symmetry mirror", "--symmetry takes none or rotate180, not 'mirror'"},
        {"--generate 5 --seed -1", "--seed takes a whole number from 0 to 18446744073709551615, not '-1'"},
        {"--generate 5 --seed 18446744073709551616",
         "--seed takes a whole number from 0 to 18446744073709551615, not '18446744073709551616'"},
        {"--generate 5 --seed 1e6", "--seed takes a whole number from 0 to 18446744073709551615, not '1e6'"},
        {"--generate 5 --solve", "--generate reads no puzzles: it goes only with --level, --symmetry and --seed"},
        {"--generate 5 --grade", "--generate reads no puzzles: it goes only with --level, --symmetry and --seed"},
        {"--aligned --generate 5", "--generate reads no puzzles: it goes only with --level, --symmetry and --seed"},
        {"--level 2", "--level goes with --generate N"},
        {"--seed 7 --grade", "--seed goes with --generate N"},
        {"--grade --pass 1", "--grade runs no command: it goes only with --aligned"},
        {"--candidates --grade", "--grade runs no command: it goes only with --aligned"},
        {"--hint --explain", "--hint goes alone: it runs no command and writes its own lines"},
        {"--pass 1 --hint", "--hint goes alone: it runs no command and writes its own lines"},
        {"--hint --aligned", "--hint goes alone: it runs no command and writes its own lines"},
        {"--hint --grade", "--hint goes alone: it runs no command and writes its own lines"},
    };
    for (const auto& [args, message] : cases) {
        const BatchRun run = RunBatch(args, "");
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err, "zifrel-batch: " + message + "\n") << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

// A collection rated line by line: each puzzle with its number of
// solutions and its level, bad lines as the other commands name them.
TEST(Batch, GradeRatesEachPuzzle)
{
    const auto expert = LoadPuzzleSet("expert");
    const auto simple = LoadPuzzleSet("simple");
    const std::string full = simple[0].solution;
    std::string twice = full;
    twice[1] = twice[0];
    std::string forum;
    for (int row = 0; row < 9; ++row)
        forum += simple[1].puzzle.substr(static_cast<std::size_t>(row) * 9, 9) + "\n";
    struct Case {
        std::string input;
        std::string output; // "" for a bad line
    };
    const auto level = [](const std::string& puzzle) {
        return std::to_string(static_cast<int>(Grade(ValuesFrom(puzzle))));
    };
    const std::vector<Case> cases = {
        {simple[0].puzzle, simple[0].puzzle + " 1 " + level(simple[0].puzzle)},
        {expert[0].puzzle, expert[0].puzzle + " 1 4"},
        {std::string(81, '0'), std::string(81, '.') + " 2+ -"},
        {"5" + std::string(80, '.'), "5" + std::string(80, '.') + " 2+ -"},
        {full, full + " 1 1"},
        {twice, twice + " 0 -"},
        {"11" + std::string(79, '.'), "11" + std::string(79, '.') + " 0 -"},
        {forum, simple[1].puzzle + " 1 " + level(simple[1].puzzle)},
        {"12345", ""},
        {std::string(600, '9'), ""},
    };
    std::string input, expected;
    for (const Case& c : cases) {
        input += c.input + "\n";
        if (!c.output.empty())
            expected += c.output + "\n";
    }
    const BatchRun run = RunBatch("--grade", input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(Lines(run.err),
              (std::vector<std::string>{"zifrel-batch: line 18: expected 81 cells, found 5",
                                        "zifrel-batch: line 19: too long"}));

    // The whole expert set: one solution each, and the level Solve agrees with.
    std::string lines;
    for (const SetPuzzle& puzzle : expert)
        lines += puzzle.puzzle + "\n";
    const auto graded = Lines(RunBatch("--grade", lines).out);
    ASSERT_EQ(graded.size(), expert.size());
    for (std::size_t i = 0; i < expert.size(); ++i)
        EXPECT_EQ(graded[i], expert[i].puzzle + " 1 " + level(expert[i].puzzle));
}

TEST(Batch, GenerateWritesTheSamePuzzlesForTheSameSeed)
{
    const BatchRun first = RunBatch("--generate 4 --seed 42", "");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    // As they came out when this was written, on any machine.
    EXPECT_EQ(Lines(first.out),
              (std::vector<std::string>{
                  "8..5..9.2..13..........8..5.8..2.1.....8.6.....9.4..6.3..2..........42..9.7..5..4",
                  "18...9...65.1....3...8...5.9.....3...4..6..8...1.....7.1...5...7....8.49...2...76",
                  "....2...9.7.5.3..1.1.4......6......8.8..7..2.4......3......8.4.9..3.5.6.3...9....",
                  "..3...4......19..3...5...81..7..3.9..9..8..4..5.9..7..64...5...7..86......2...9..",
              }));
    EXPECT_EQ(RunBatch("--seed 42 --generate 4 --symmetry rotate180", "").out, first.out);

    // Without a seed, it names the one it took, which gives the same again.
    const BatchRun clock = RunBatch("--generate 3 --symmetry none --level 2", "");
    EXPECT_EQ(clock.status, 0);
    ASSERT_TRUE(clock.err.starts_with("zifrel-batch: seed ")) << clock.err;
    const std::string seed = clock.err.substr(19, clock.err.size() - 20);
    EXPECT_EQ(RunBatch("--generate 3 --symmetry none --level 2 --seed " + seed, "").out, clock.out);

    // Each of the level asked, with one solution.
    for (const char* level : {"1", "2", "3", "4"}) {
        const BatchRun made = RunBatch(std::string("--generate 3 --seed 5 --level ") + level, "");
        const auto graded = Lines(RunBatch("--grade", made.out).out);
        ASSERT_EQ(graded.size(), 3u) << level;
        for (const std::string& line : graded)
            EXPECT_TRUE(line.ends_with(std::string(" 1 ") + level)) << line;
    }
}

TEST(Batch, HelpAndVersion)
{
    const BatchRun help = RunBatch("--help", "");
    EXPECT_EQ(help.status, 0);
    for (const char* word :
         {"--solve", "--pass N", "--cell N", "--candidates", "--explain", "--aligned", "--grade", "--generate N",
          "--level L", "--symmetry S", "--seed S", "Beyond the rules", "--hint", "Exit status",
          "Singles (naked and hidden singles)", "Box and line (pointing)", "Pairs (naked pairs)"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    const BatchRun version = RunBatch("--version", "");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zifrel-batch " ZIFREL_VERSION "\n");
}

TEST(Batch, OutputThatCannotBeWrittenIsAnErrorNotASuccess)
{
    const std::string batch = std::string("\"") + ZIFREL_BATCH + "\"";
    const std::string puzzles = Puzzles(LoadPuzzleSet("easy"), 100);
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += puzzles;
    struct Case {
        std::string script;
        std::string message;
    };
    const std::vector<Case> cases = {
        {batch + " < in.txt > /dev/full", "zifrel-batch: write error: No space left on device\n"},
        {batch + " --help > /dev/full", "zifrel-batch: write error: No space left on device\n"},
        {batch + " --version > /dev/full", "zifrel-batch: write error: No space left on device\n"},
        {batch + " < in.txt >&-", "zifrel-batch: write error: Bad file descriptor\n"},
        // With SIGPIPE ignored it must notice the reader has gone, and stop.
        {"trap \"\" PIPE; " + batch + " < in.txt | head -c 1 > /dev/null; exit ${PIPESTATUS[0]}",
         "zifrel-batch: write error: Broken pipe\n"},
    };
    for (const Case& c : cases) {
        const BatchRun run = RunShell(c.script, many);
        EXPECT_EQ(run.status, 3) << c.script;
        EXPECT_EQ(run.err, c.message) << c.script;
    }
}

TEST(Batch, InputThatCannotBeReadIsAnError)
{
    const BatchRun run = RunShell(std::string("\"") + ZIFREL_BATCH + "\" < /", "");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "zifrel-batch: read error: Is a directory\n");
}

TEST(Batch, AHugeLineIsSkippedWithoutBeingKept)
{
    const SetPuzzle puzzle = LoadPuzzleSet("simple")[0];
    // 50 MB of one line, then a puzzle: run under a 40 MB memory limit
    // (but for AddressSanitizer, which maps far more than that up front).
#if defined(__SANITIZE_ADDRESS__)
    const std::string limit;
#else
    const std::string limit = "ulimit -v 40000; ";
#endif
    const std::string script = limit + "{ head -c 50000000 /dev/zero | tr \"\\\\0\" 1; echo; cat in.txt; } | \""
        + std::string(ZIFREL_BATCH) + "\"";
    const BatchRun run = RunShell(script, puzzle.puzzle + "\n");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "zifrel-batch: line 1: too long\n");
    EXPECT_EQ(run.out, puzzle.solution + "\n");

    // 50 MB of spaces is an empty line, read without being kept either.
    const std::string spaces = limit + "{ head -c 50000000 /dev/zero | tr \"\\\\0\" \" \"; echo; cat in.txt; } | \""
        + std::string(ZIFREL_BATCH) + "\"";
    const BatchRun blank = RunShell(spaces, puzzle.puzzle + "\n");
    EXPECT_EQ(blank.status, 0) << blank.err;
    EXPECT_EQ(blank.out, puzzle.solution + "\n");
}

TEST(Batch, WritesInLargeBlocksYetAnswersEachTypedLineAtOnce)
{
    // 2,000 lines through a pipe in a handful of writes, not one each.
    const std::string puzzles = Puzzles(LoadPuzzleSet("easy"), 100);
    std::string many;
    for (int i = 0; i < 20; ++i)
        many += puzzles;
    if (std::system("command -v strace > /dev/null") != 0)
        GTEST_SKIP() << "strace is not installed";
    const BatchRun traced = RunShell("strace -o trace.txt -e trace=write \"" + std::string(ZIFREL_BATCH)
                                         + "\" < in.txt | cat > /dev/null; grep -c \"^write(1\" trace.txt",
                                     many);
    EXPECT_LE(std::stoi(traced.out), 5) << traced.out;

    // Someone typing: the answer to the first line comes before the second is sent.
    const SetPuzzle puzzle = LoadPuzzleSet("simple")[0];
    const BatchRun typed = RunShell("coproc B { \"" + std::string(ZIFREL_BATCH) + "\"; }; echo \"" + puzzle.puzzle
                                        + "\" >&${B[1]}; read -t 10 answer <&${B[0]}; echo \"$answer\"",
                                    "");
    EXPECT_EQ(typed.out, puzzle.solution + "\n");
}

namespace lanes {

// Every shared puzzle, random boards of every kind and lines that are not
// puzzles, 1,013 puzzle lines in all: no multiple of any lane count.
std::string MixedInput()
{
    std::vector<SetPuzzle> all;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set))
            all.push_back(puzzle);
    std::mt19937 random(20261211);
    const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    std::string input;
    for (int n = 0; n < 1013; ++n) {
        const SetPuzzle& chosen = all[static_cast<std::size_t>(n) % all.size()];
        std::string line = n < 400 ? chosen.puzzle : chosen.solution;
        if (n >= 400) {
            for (char& c : line) // nearly full, contradictory or empty
                c = n % 3 == 0 ? (pick(4) == 0 ? '.' : c) : n % 3 == 1 ? (pick(3) == 0 ? c : '.') : '.';
        }
        input += line + "\n";
        if (n % 97 == 0)
            input += "not a puzzle\n\n";
    }
    return input;
}

// The lanes on each instruction set this processor runs write exactly what
// the one-puzzle engine writes (ZIFREL_LANES=off), for --solve and for
// every --pass from 0 to 5, with and without --candidates and --aligned.
TEST(BatchLanes, WriteExactlyWhatTheOnePuzzleEngineWrites)
{
    const std::string input = MixedInput();
    const std::string batch = std::string("\"") + ZIFREL_BATCH + "\" ";
    std::vector<std::string> sets = {"sse2"};
    if (__builtin_cpu_supports("avx2"))
        sets.push_back("avx2");
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl"))
        sets.push_back("avx512");
    int compared = 0;
    std::vector<std::string> runs;
    for (const std::string command :
         {"--solve", "--pass 0", "--pass 1", "--pass 2", "--pass 3", "--pass 4", "--pass 5"})
        for (const std::string form : {"", " --candidates", " --aligned", " --candidates --aligned"})
            runs.push_back(command + form);
    // --grade starts from Solve in the lanes.
    runs.push_back("--grade");
    runs.push_back("--grade --aligned");
    for (const std::string& run : runs) {
        const BatchRun alone = RunShell("ZIFREL_LANES=off " + batch + run + " < in.txt", input);
        ASSERT_EQ(alone.status, 1) << alone.err;
        ASSERT_GE(Lines(alone.out).size(), 1013u);
        for (const std::string& set : sets) {
            const BatchRun lanes = RunShell("ZIFREL_LANES=" + set + " " + batch + run + " < in.txt", input);
            EXPECT_EQ(lanes.status, alone.status);
            EXPECT_EQ(lanes.err, alone.err);
            ASSERT_TRUE(lanes.out == alone.out) << set << " " << run;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 30 * static_cast<int>(sets.size()));
}

// A large collection spread over every core with GNU parallel, as the
// manual shows, gives what one process gives, line for line.
TEST(BatchLanes, SpreadOverCoresWithParallelTheOutputIsTheSame)
{
    if (std::system("command -v parallel > /dev/null") != 0)
        GTEST_SKIP() << "GNU parallel is not installed";
    std::string input;
    for (int round = 0; round < 10; ++round)
        input += MixedInput();
    const std::string batch = std::string("\"") + ZIFREL_BATCH + "\"";
    const BatchRun one = RunShell(batch + " --aligned < in.txt", input);
    const BatchRun spread =
        RunShell("parallel --will-cite --pipe -k --block 64k " + batch + " --aligned < in.txt", input);
    EXPECT_EQ(one.status, 1);
    EXPECT_NE(spread.status, 0) << "a chunk with a bad line fails";
    ASSERT_GE(Lines(one.out).size(), 10130u);
    EXPECT_TRUE(spread.out == one.out);
}

} // namespace lanes

// New puzzles made in parts on several cores with GNU parallel, each part
// from its own seed, as the manual shows, are what the same seeds give one
// after another.
TEST(Batch, GenerateSplitOverCoresGivesWhatTheSeedsGiveInTurn)
{
    if (std::system("command -v parallel > /dev/null") != 0)
        GTEST_SKIP() << "GNU parallel is not installed";
    const std::string make = std::string("\"") + ZIFREL_BATCH + "\" --generate 3 --level 2 --seed ";
    const BatchRun split = RunShell("seq 11 16 | parallel --will-cite -k -j 3 " + make + "{}", "");
    const BatchRun inTurn = RunShell("for seed in $(seq 11 16); do " + make + "$seed; done", "");
    EXPECT_EQ(split.status, 0) << split.err;
    ASSERT_EQ(Lines(inTurn.out).size(), 18u);
    EXPECT_EQ(split.out, inTurn.out);
}

} // namespace
