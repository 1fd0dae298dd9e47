// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The solution counter, the grade and the generator, each held to a plain
// version: backtracking without any propagation, written here, and the
// reference deduction with the rules of each level.

#include "board.h"
#include "puzzle_maker.h"
#include "puzzle_text.h"
#include "random.h"
#include "reference_deduction.h"
#include "solution_search.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace {

bool SameUnit(int a, int b) { return a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3); }

// Counts solutions by plain backtracking: the empty cell with the fewest
// digits that no other cell of its row, column or box holds, each digit
// in turn, until limit.
class CPlainCounter {
public:
    int Count(Values values, int limit)
    {
        limit_ = limit;
        found_ = 0;
        for (int i = 0; i < kCellCount; ++i) {
            if (values[i] < 0 || values[i] > 9)
                return 0;
            for (int j = 0; j < i; ++j)
                if (values[i] != 0 && values[i] == values[j] && SameUnit(i, j))
                    return 0;
            if (values[i] != 0)
                Mark(i, values[i], true);
        }
        Search(values);
        return found_;
    }
    Values first{};

private:
    void Mark(int i, int d, bool placed)
    {
        const int bit = 1 << d;
        for (int* unit : {&row_[i / 9], &column_[i % 9], &box_[i / 27 * 3 + i % 9 / 3]})
            *unit = placed ? *unit | bit : *unit & ~bit;
    }

    int Free(int i) const { return ~(row_[i / 9] | column_[i % 9] | box_[i / 27 * 3 + i % 9 / 3]) & 0x3FE; }

    void Search(Values& values)
    {
        int best = -1;
        int bestFree = 0;
        for (int i = 0; i < kCellCount; ++i) {
            if (values[i] != 0)
                continue;
            const int free = Free(i);
            if (best < 0 || std::popcount(unsigned(free)) < std::popcount(unsigned(bestFree))) {
                best = i;
                bestFree = free;
            }
        }
        if (best < 0) {
            if (found_++ == 0)
                first = values;
            return;
        }
        for (int d = 1; d <= 9 && found_ < limit_; ++d) {
            if (bestFree & (1 << d)) {
                values[best] = d;
                Mark(best, d, true);
                Search(values);
                Mark(best, d, false);
                values[best] = 0;
            }
        }
    }

    int row_[9] = {};
    int column_[9] = {};
    int box_[9] = {};
    int limit_ = 2;
    int found_ = 0;
};

int PlainCount(const Values& values, int limit = 2) { return CPlainCounter().Count(values, limit); }

// The rules of a level.
Rules RulesOf(Level level)
{
    return level == Level::Singles ? Rules::Singles : level == Level::BoxAndLine ? Rules::BoxAndLine : Rules::All;
}

// values solved by the reference deduction with the rules of level; how
// many sweeps that took goes to *sweeps, if given.
Grid ReferenceSolved(const Values& values, Level level, int* sweeps = nullptr)
{
    Grid grid{};
    for (int i = 0; i < kCellCount; ++i)
        grid[i].SetValue(values[i]);
    const int ran = ReferenceSolve(grid, RulesOf(level), Reasons::Skipped);
    if (sweeps)
        *sweeps = ran;
    return grid;
}

Values ValuesOf(const Grid& grid)
{
    Values values{};
    for (int i = 0; i < kCellCount; ++i)
        values[i] = grid[i].GetValue();
    return values;
}

// Empty when SolveWithRules left what the reference leaves, else where not.
std::string SameAsPlain(const Values& values, Level level)
{
    int sweeps = 0;
    const Grid plain = ReferenceSolved(values, level, &sweeps);
    const CRuleSolve solved = SolveWithRules(values, level);
    if (solved.sweeps != sweeps)
        return std::to_string(solved.sweeps) + " sweeps, plain " + std::to_string(sweeps);
    for (int i = 0; i < kCellCount; ++i)
        if (solved.values[i] != plain[i].GetValue() || solved.excluded[i] != plain[i].ExcludedMask())
            return "cell " + std::to_string(i);
    return {};
}

// Empty when SolveWithRules with all the rules left what Solve leaves.
std::string SameAsBoard(const Values& values)
{
    CBoard board;
    board.LoadValues(values);
    const int sweeps = board.OnSolve();
    const CRuleSolve solved = SolveWithRules(values, Level::Pairs);
    if (solved.sweeps != sweeps)
        return std::to_string(solved.sweeps) + " sweeps, Solve " + std::to_string(sweeps);
    for (int i = 0; i < kCellCount; ++i)
        if (solved.values[i] != board.Working()[i].GetValue()
            || solved.excluded[i] != board.Working()[i].ExcludedMask())
            return "cell " + std::to_string(i);
    return {};
}

// The level by its definition: the first set of rules that fills every
// cell, each solving from the start.
Level DefinedLevel(const Values& values)
{
    for (const Level level : {Level::Singles, Level::BoxAndLine, Level::Pairs})
        if (SolveWithRules(values, level).Finished())
            return level;
    return Level::BeyondTheRules;
}

std::vector<Values> SetPuzzles()
{
    std::vector<Values> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set))
            puzzles.push_back(ValuesFrom(puzzle.puzzle));
    return puzzles;
}

// Boards of every kind: the test sets' puzzles, the same with givens of
// their solution added or taken away (one solution or many), and random
// givens that mostly contradict each other.
std::vector<Values> ManyBoards()
{
    std::vector<Values> boards = SetPuzzles();
    const auto sets = boards;
    CRandom random(20261209);
    for (std::size_t k = 0; k < 400; ++k) {
        const Values& puzzle = sets[k % sets.size()];
        const Values solution = CountSolutions(puzzle).solution;
        Values board = puzzle;
        for (int i = 0; i < kCellCount; ++i) {
            if (board[i] == 0 && random.Below(4) == 0)
                board[i] = solution[i];
            else if (board[i] != 0 && random.Below(3) == 0)
                board[i] = 0;
        }
        boards.push_back(board);
    }
    for (int k = 0; k < 300; ++k) {
        Values board{};
        const std::uint32_t sparse = 1 + random.Below(8);
        for (int& v : board)
            v = random.Below(sparse) == 0 ? static_cast<int>(1 + random.Below(9)) : 0;
        boards.push_back(board);
    }
    return boards;
}

const std::string kSolved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(SolutionCount, KnownBoards)
{
    std::string twice = kSolved;
    twice[1] = '5'; // 5 twice in the first row, and in the first box
    std::string rectangle = kSolved;
    // 6 and 7 of r1c4, r1c5, r4c4 and r4c5 can swap: two solutions.
    for (const std::size_t i : {3u, 4u, 30u, 31u})
        rectangle[i] = '.';
    struct Case {
        const char* name;
        std::string board;
        int count;
    };
    const std::vector<Case> cases = {
        {"empty board", std::string(81, '.'), 2},
        {"full board", kSolved, 1},
        {"full board with a digit twice", twice, 0},
        {"a digit twice in a row", "11" + std::string(79, '.'), 0},
        {"a digit twice in a column", "1" + std::string(8, '.') + "1" + std::string(71, '.'), 0},
        {"a digit twice in a box", "1" + std::string(9, '.') + "1" + std::string(70, '.'), 0},
        {"no digit left for a cell", "12345678." + std::string(8, '.') + "9" + std::string(63, '.'), 0},
        {"two digits with one place in a row, the same cell",
         ".............1..2.....2..1..1........2..................1........2...............", 0},
        {"17 givens", "...8.1..........435............7.8........1...2..3....6......75..34........2..6..", 1},
        {"17 givens", ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6...", 1},
        {"one given: millions of solutions", "5" + std::string(80, '.'), 2},
        {"a swappable rectangle", rectangle, 2},
        {"a puzzle of the test sets", LoadPuzzleSet("expert")[0].puzzle, 1},
    };
    for (const Case& c : cases) {
        const Values values = ValuesFrom(c.board);
        const CSolutionCount count = CountSolutions(values);
        EXPECT_EQ(count.count, c.count) << c.name;
        EXPECT_EQ(PlainCount(values), c.count) << c.name;
        if (c.count == 1) {
            CPlainCounter plain;
            plain.Count(values, 1);
            EXPECT_EQ(count.solution, plain.first) << c.name;
        }
        if (c.count == 0) {
            EXPECT_EQ(count.solution, Values{}) << c.name;
        }
    }
    Values outOfRange = ValuesFrom(kSolved);
    outOfRange[40] = 10;
    EXPECT_EQ(CountSolutions(outOfRange).count, 0);
    // Counting on past two: the rectangle has exactly two.
    EXPECT_EQ(CountSolutions(ValuesFrom(rectangle), 100).count, 2);
    EXPECT_EQ(CountSolutions(Values{}, 1000).count, 1000);
}

// Every board of many kinds against the plain counter, up to three
// solutions; a solution found must solve the board.
TEST(SolutionCount, AgreesWithPlainBacktracking)
{
    for (const Values& board : ManyBoards()) {
        const CSolutionCount count = CountSolutions(board, 3);
        ASSERT_EQ(count.count, PlainCount(board, 3)) << FormatPuzzleLine(board);
        // Led by a solution, the search for one near it finds that one.
        CSolutionSearch search;
        Values near{};
        ASSERT_EQ(search.Load(board) && search.FindNear(count.solution, near), count.count > 0);
        // Loaded as ruled-out digits instead, each given's cell with every
        // other digit ruled out and nothing else: givens whose digit is
        // still open in a peer, or that clash, must count the same.
        std::array<DigitMask, kCellCount> excluded{};
        for (int i = 0; i < kCellCount; ++i)
            excluded[i] = board[i] != 0 ? static_cast<DigitMask>(kAllDigits & ~DigitBit(board[i])) : DigitMask{0};
        CSolutionSearch fromExcluded;
        fromExcluded.LoadExcluded(excluded);
        ASSERT_EQ(fromExcluded.Count(3), count.count) << FormatPuzzleLine(board);
        if (count.count == 0)
            continue;
        ASSERT_EQ(near, count.solution) << FormatPuzzleLine(board);
        ASSERT_EQ(PlainCount(count.solution, 2), 1) << FormatPuzzleLine(board);
        for (int i = 0; i < kCellCount; ++i)
            ASSERT_TRUE(board[i] == 0 || board[i] == count.solution[i]) << FormatPuzzleLine(board);
    }
}

// With all the rules, exactly what Solve leaves, cell for cell and sweep
// for sweep; with each set of rules, exactly what the plain rules leave.
TEST(Grade, SolveWithEachSetOfRulesIsExact)
{
    for (const Values& board : ManyBoards()) {
        ASSERT_EQ(SameAsBoard(board), "") << FormatPuzzleLine(board);
        for (const Level level : {Level::Singles, Level::BoxAndLine, Level::Pairs})
            ASSERT_EQ(SameAsPlain(board, level), "") << FormatPuzzleLine(board) << " level " << int(level);
    }
}

TEST(Grade, IsTheFirstSetOfRulesThatFinishes)
{
    int levels[5] = {};
    for (const Values& board : ManyBoards()) {
        const Level level = Grade(board);
        ASSERT_EQ(level, DefinedLevel(board)) << FormatPuzzleLine(board);
        CBoard solved;
        solved.LoadValues(board);
        solved.OnSolve();
        const Values after = solved.WorkingValues();
        const bool filled = std::find(after.begin(), after.end(), 0) == after.end();
        ASSERT_EQ(level != Level::BeyondTheRules, filled) << FormatPuzzleLine(board);
        ++levels[static_cast<int>(level)];
    }
    // The test sets hold puzzles of every level.
    for (int level = 1; level <= 4; ++level)
        EXPECT_GT(levels[level], 0) << level;
    EXPECT_EQ(Grade(ValuesFrom(kSolved)), Level::Singles);
    EXPECT_EQ(Grade(Values{}), Level::BeyondTheRules);
    EXPECT_EQ(LevelName(Level::BoxAndLine), "Box and line");
}

// Both at once, from Solve run here or in the lanes, as the two apart.
TEST(CheckPuzzle, AgreesWithTheCounterAndTheGrade)
{
    std::vector<Values> boards = ManyBoards();
    std::vector<CLaneBoard> solved(boards.size());
    for (std::size_t k = 0; k < boards.size(); ++k) {
        for (int i = 0; i < kCellCount; ++i) {
            const int v = boards[k][i];
            solved[k].value[i] = static_cast<std::uint8_t>(v);
            solved[k].excluded[i] = v != 0 ? static_cast<DigitMask>(kAllDigits & ~DigitBit(v)) : DigitMask{0};
        }
    }
    RunLanes(solved, kUntilUnchanged, ChosenLaneSet());
    int unique = 0;
    for (std::size_t k = 0; k < boards.size(); ++k) {
        const Values& board = boards[k];
        const CSolutionCount count = CountSolutions(board);
        for (const CPuzzleCheck& check : {CheckPuzzle(board), CheckSolvedPuzzle(board, solved[k])}) {
            ASSERT_EQ(check.solutions, count.count) << FormatPuzzleLine(board);
            if (check.solutions != 1)
                continue;
            ASSERT_EQ(check.solution, count.solution) << FormatPuzzleLine(board);
            ASSERT_EQ(check.level, Grade(board)) << FormatPuzzleLine(board);
            ++unique;
        }
    }
    EXPECT_GT(unique, 800);
}

// Cells where the givens break the symmetry.
bool Symmetric(const Values& puzzle)
{
    for (int i = 0; i < kCellCount; ++i)
        if ((puzzle[i] == 0) != (puzzle[kCellCount - 1 - i] == 0))
            return false;
    return true;
}

// Empty when puzzle is all that Generate promises, else what it is not.
std::string Broken(const Values& puzzle, Level level, Symmetry symmetry)
{
    CPlainCounter plain;
    if (plain.Count(puzzle, 2) != 1)
        return "not one solution";
    for (int i = 0; i < kCellCount; ++i) {
        if (puzzle[i] == 0)
            continue;
        Values less = puzzle;
        less[i] = 0;
        if (PlainCount(less) != 2)
            return "given " + std::to_string(i) + " can go";
    }
    if (symmetry == Symmetry::Rotate180 && !Symmetric(puzzle))
        return "not symmetric";
    // The level by the program's own sweeps: Solve finishes levels 1 to 3,
    // and the plain rules of each level finish it from there on.
    CBoard board;
    board.LoadValues(puzzle);
    board.OnSolve();
    if ((board.WorkingValues() == plain.first) != (level != Level::BeyondTheRules))
        return "Solve does not agree with the level";
    for (const Level rules : {Level::Singles, Level::BoxAndLine, Level::Pairs}) {
        if ((ValuesOf(ReferenceSolved(puzzle, rules)) == plain.first) != (rules >= level))
            return "the rules of level " + std::to_string(static_cast<int>(rules)) + " do not agree";
    }
    return {};
}

// A few hundred puzzles, of each level and symmetry.
TEST(Generate, MakesMinimalPuzzlesOfTheLevelAsked)
{
    int made = 0;
    for (const Symmetry symmetry : {Symmetry::None, Symmetry::Rotate180}) {
        const int seeds = symmetry == Symmetry::None ? 30 : 12;
        for (const Level level : {Level::Any, Level::Singles, Level::BoxAndLine, Level::Pairs, Level::BeyondTheRules}) {
            for (int seed = 0; seed < seeds; ++seed) {
                const auto puzzle = Generate(static_cast<std::uint64_t>(seed) * 7919 + 11, level, symmetry);
                ASSERT_TRUE(puzzle);
                const Level graded = Grade(*puzzle);
                if (level != Level::Any) {
                    ASSERT_EQ(graded, level) << FormatPuzzleLine(*puzzle);
                }
                ASSERT_EQ(Broken(*puzzle, graded, symmetry), "") << FormatPuzzleLine(*puzzle);
                ++made;
            }
        }
    }
    std::cout << made << " puzzles checked\n";
}

// Golden lines: the same seed, level and symmetry give the same puzzle in
// every build on every machine. One case a line: seed, level (0 for any),
// symmetry, puzzle.
TEST(Generate, SameSeedSamePuzzleEverywhere)
{
    std::ifstream in(std::string(ZIFREL_TEST_DATA) + "/generated.txt");
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::uint64_t seed = 0;
        int level = 0;
        std::string symmetry, expected;
        fields >> seed >> level >> symmetry >> expected;
        const auto puzzle =
            Generate(seed, static_cast<Level>(level), symmetry == "none" ? Symmetry::None : Symmetry::Rotate180);
        ASSERT_TRUE(puzzle);
        EXPECT_EQ(FormatPuzzleLine(*puzzle), expected) << line;
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

// Stopped before it starts, it gives up at once; several at a time on
// threads of their own, each makes what it makes alone.
TEST(Generate, StopsWhenAskedAndRunsOnManyThreads)
{
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(Generate(1, Level::Pairs, Symmetry::Rotate180, stop.get_token()));

    std::vector<std::optional<Values>> alone, together(4);
    for (std::uint64_t seed = 0; seed < 4; ++seed)
        alone.push_back(Generate(seed, Level::BoxAndLine, Symmetry::Rotate180));
    std::vector<std::thread> threads;
    for (std::uint64_t seed = 0; seed < 4; ++seed)
        threads.emplace_back([&, seed] { together[seed] = Generate(seed, Level::BoxAndLine, Symmetry::Rotate180); });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(together, alone);
}

// Counts solutions as an exact cover of the board's 324 conditions (each
// cell filled; each digit once in each row, column and box), always on the
// condition with the fewest ways left to meet it, with nothing else worked
// out: the plain form of guessing among cells and places of digits alike.
class CExactCoverCounter {
public:
    int Count(const Values& values, int limit)
    {
        limit_ = limit;
        found_ = 0;
        met_.fill(false);
        for (int i = 0; i < kCellCount; ++i) {
            if (values[i] < 0 || values[i] > 9 || (values[i] != 0 && !Fits(i, values[i])))
                return 0;
            if (values[i] != 0)
                Meet(i, values[i], true);
        }
        Search();
        return found_;
    }

private:
    static std::array<int, 4> Conditions(int i, int d)
    {
        return {i, 81 + i / 9 * 9 + d - 1, 162 + i % 9 * 9 + d - 1, 243 + (i / 27 * 3 + i % 9 / 3) * 9 + d - 1};
    }
    bool Fits(int i, int d) const
    {
        for (const int c : Conditions(i, d))
            if (met_[c])
                return false;
        return true;
    }
    void Meet(int i, int d, bool met)
    {
        for (const int c : Conditions(i, d))
            met_[c] = met;
    }
    void Search()
    {
        std::vector<std::pair<int, int>> fewest(10);
        bool done = true;
        for (int c = 0; c < 324; ++c) {
            if (met_[c])
                continue;
            done = false;
            std::vector<std::pair<int, int>> ways;
            for (int i = 0; i < kCellCount; ++i)
                for (int d = 1; d <= 9; ++d)
                    if (Conditions(i, d)[c / 81] == c && Fits(i, d))
                        ways.emplace_back(i, d);
            if (ways.size() < fewest.size())
                fewest = ways;
        }
        if (done)
            ++found_;
        for (std::size_t k = 0; !done && k < fewest.size() && found_ < limit_; ++k) {
            Meet(fewest[k].first, fewest[k].second, true);
            Search();
            Meet(fewest[k].first, fewest[k].second, false);
        }
    }

    std::array<bool, 324> met_{};
    int limit_ = 1;
    int found_ = 0;
};

// The boards the counter once went exponential on and the hardest found by
// hill-climbing on its guesses (bench/count_bench), and sparse boards of
// random givens apart from each other, against the exact cover, up to
// three solutions.
TEST(SolutionCount, AgreesWithExactCoverOnHardAndSparseBoards)
{
    std::vector<Values> boards;
    std::ifstream in(std::string(ZIFREL_TEST_DATA) + "/hard_boards.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string name, board;
        if (line[0] != '#' && fields >> name >> board)
            boards.push_back(ValuesFrom(board));
    }
    ASSERT_GE(boards.size(), 4u);
    // None of them goes exponential again: each settles in a few hundred
    // guesses at most (the hardest climbed to about 170).
    for (const Values& board : boards) {
        CSolutionSearch search;
        if (search.Load(board))
            search.Count(2);
        EXPECT_LE(search.Guesses(), 1000) << FormatPuzzleLine(board);
    }
    CRandom random(2026);
    for (int k = 0; k < 60; ++k) {
        Values board{};
        for (std::uint32_t tries = 12 + random.Below(30); tries > 0; --tries) {
            const int i = static_cast<int>(random.Below(kCellCount));
            const int d = static_cast<int>(1 + random.Below(9));
            bool apart = true;
            for (int j = 0; j < kCellCount; ++j)
                apart = apart && !(board[j] == d && SameUnit(i, j));
            board[i] = apart ? d : board[i];
        }
        boards.push_back(board);
    }
    CExactCoverCounter exact;
    for (const Values& board : boards)
        ASSERT_EQ(CountSolutions(board, 3).count, exact.Count(board, 3)) << FormatPuzzleLine(board);
}

} // namespace
