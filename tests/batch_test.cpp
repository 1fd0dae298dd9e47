// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// zifrel-batch run as a whole process, the way people use it.

#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <sys/wait.h>

namespace {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

BatchRun RunBatch(const std::string& arguments, const std::string& input)
{
    CScratchFolder folder;
    WriteWholeFile("in.txt", input);
    const std::string command = std::string("'") + ZIFREL_BATCH + "' " + arguments + " < in.txt > out.txt 2> err.txt";
    const int raw = std::system(command.c_str());
    BatchRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadWholeFile("out.txt");
    run.err = ReadWholeFile("err.txt");
    return run;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

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
    const std::string puzzle =
        ".1.......2........3..............................................................";
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
        + set[2].puzzle.substr(0, 80) + "x\n";
    const BatchRun run = RunBatch("", input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{set[0].solution, set[1].solution}));
    EXPECT_EQ(Lines(run.err),
              (std::vector<std::string>{"zifrel-batch: line 3: expected 81 cells, found 5 characters",
                                        "zifrel-batch: line 5: cell 81 is 'x', not 1-9, 0 or ."}));
}

TEST(Batch, BadOptionsPrintUsageAndExitTwo)
{
    for (const std::string args : {"--frobnicate", "--pass", "--pass x", "--pass -1", "--cell 3x",
                                   "--solve --pass 2", "--pass 1 --cell 1", "extra"}) {
        const BatchRun run = RunBatch(args, "");
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("Usage: zifrel-batch"), std::string::npos) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

TEST(Batch, HelpExplainsTheOptions)
{
    const BatchRun run = RunBatch("--help", "");
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"--solve", "--pass N", "--cell N", "--candidates", "Exit status"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

} // namespace
