// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The engine against the plain reference deduction, call for call: the same
// result, the same grid and the same cells noted for the display, and the
// same reason kept for every digit and every fill; on the
// shared puzzles and on random boards, through sweeps that share their
// bookkeeping (as Solve does) and single steps (as Cell does), with typing
// and Set in between. The engine that skips the reasons runs beside them
// and must match them in everything but the reasons.

#include "deduction.h"
#include "lane_engine.h"
#include "reference_deduction.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// One grid, and the cells each call noted for the display.
struct CLoggedGrid {
    // The cells noted since the last look, which forgets them.
    CCellSet Noted()
    {
        CCellSet noted;
        for (int i = 0; i < kCellCount; ++i)
            if (grid[i].TakeDisplayChange())
                noted.Add(i);
        return noted;
    }
    Grid grid{};
};

std::string Describe(const CCell& cell) { return std::to_string(cell.GetValue()) + "/" + OpenDigits(cell); }

std::string Describe(const CReason& reason)
{
    return "rule " + std::to_string(static_cast<int>(reason.rule)) + " on " + std::to_string(reason.a) + ", "
        + std::to_string(reason.b) + " with " + std::to_string(reason.other);
}

// The engine's grid, the reference's and that of the engine without
// reasons, driven side by side.
class CTwins {
public:
    void Load(const Values& values)
    {
        for (int i = 0; i < kCellCount; ++i)
            Type(i, values[i]);
    }
    // What typing a digit into one cell does.
    void Type(int cell, int value)
    {
        engine_.grid[cell].SetValue(value);
        reference_.grid[cell].SetValue(value);
        quiet_.grid[cell].SetValue(value);
    }
    // What Set does when every cell shows its own value: pencil marks go.
    void Set()
    {
        for (int i = 0; i < kCellCount; ++i)
            Type(i, engine_.grid[i].GetValue());
    }

    // Runs one call on both and returns the first difference, or "";
    // changed tells whether the call changed its cell.
    std::string Step(CSweep& sweep, CSweepWithoutReasons& quietSweep, int row, int column, bool& changed)
    {
        const bool fast = sweep.UpdateCell(row, column);
        const bool quiet = quietSweep.UpdateCell(row, column);
        const bool plain = ReferenceUpdateCell(reference_.grid, row, column);
        changed = plain;
        const std::string at = "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
        if (fast != plain || quiet != plain)
            return "call on " + at + " returned " + std::to_string(fast) + " (" + std::to_string(quiet)
                + " without reasons), reference " + std::to_string(plain);
        for (int i = 0; i < kCellCount; ++i)
            for (const CLoggedGrid* grid : {&engine_, &quiet_})
                if (grid->grid[i].GetValue() != reference_.grid[i].GetValue()
                    || grid->grid[i].ExcludedMask() != reference_.grid[i].ExcludedMask()
                    || grid->grid[i].HowFilled() != reference_.grid[i].HowFilled())
                    return "after the call on " + at + ", cell " + std::to_string(i) + " is " + Describe(grid->grid[i])
                        + (grid == &quiet_ ? " without reasons" : "") + ", reference " + Describe(reference_.grid[i]);
        const CCellSet noted = reference_.Noted();
        if (engine_.Noted() != noted || quiet_.Noted() != noted)
            return "the call on " + at + " noted other cells for the display";
        return {};
    }

    // The first cell whose reasons differ, for any digit or for its fill,
    // or "". The engine hands some reasons over only when its bookkeeping
    // ends, so this is asked after that.
    std::string SameReasons() const
    {
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& fast = engine_.grid[i];
            const CCell& plain = reference_.grid[i];
            if (fast.HowFilled() != plain.HowFilled())
                return "cell " + std::to_string(i) + " was filled differently";
            for (int d = 1; d <= 9; ++d)
                if (fast.Reason(d) != plain.Reason(d))
                    return "cell " + std::to_string(i) + " keeps for " + std::to_string(d) + " "
                        + Describe(fast.Reason(d)) + ", reference " + Describe(plain.Reason(d));
        }
        return {};
    }

    // A run of sweeps sharing one bookkeeping, as Solve runs them, until a
    // sweep changes nothing or maxSweeps have run.
    std::string Sweeps(int maxSweeps)
    {
        if (std::string broken = SweepsSharingBookkeeping(maxSweeps); !broken.empty())
            return broken;
        return SameReasons();
    }

    // Single steps, each with fresh bookkeeping, as the Cell button runs them.
    std::string CellSteps(int first, int count)
    {
        for (int k = 0; k < count; ++k) {
            const int i = (first + k) % kCellCount;
            bool changed = false;
            {
                CSweep sweep(engine_.grid);
                CSweepWithoutReasons quiet(quiet_.grid);
                if (std::string broken = Step(sweep, quiet, i / kBoardSize, i % kBoardSize, changed); !broken.empty())
                    return "cell step: " + broken;
            }
            if (std::string broken = SameReasons(); !broken.empty())
                return "after a cell step on " + std::to_string(i) + ": " + broken;
        }
        return {};
    }

private:
    std::string SweepsSharingBookkeeping(int maxSweeps)
    {
        CSweep sweep(engine_.grid);
        CSweepWithoutReasons quiet(quiet_.grid);
        for (int n = 0; n < maxSweeps; ++n) {
            bool anyChanged = false;
            for (int row = 0; row < kBoardSize; ++row)
                for (int column = 0; column < kBoardSize; ++column) {
                    bool changed = false;
                    if (std::string broken = Step(sweep, quiet, row, column, changed); !broken.empty())
                        return "sweep " + std::to_string(n + 1) + ": " + broken;
                    anyChanged |= changed;
                }
            if (!anyChanged)
                break;
        }
        return {};
    }

    CLoggedGrid engine_;
    CLoggedGrid reference_;
    CLoggedGrid quiet_;
};

std::vector<SetPuzzle> AllPuzzles()
{
    std::vector<SetPuzzle> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set))
            puzzles.push_back(puzzle);
    return puzzles;
}

TEST(EngineDifferential, SolvesEverySharedPuzzleExactlyAsTheReference)
{
    const auto puzzles = AllPuzzles();
    ASSERT_EQ(puzzles.size(), 400u);
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        CTwins twins;
        twins.Load(ValuesFrom(puzzles[n].puzzle));
        ASSERT_EQ(twins.Sweeps(1000), "") << "puzzle " << n;
    }
}

TEST(EngineDifferential, CellStepsMatchTheReferenceOnEverySharedPuzzle)
{
    const auto puzzles = AllPuzzles();
    for (std::size_t n = 0; n < puzzles.size(); n += 7) {
        CTwins twins;
        twins.Load(ValuesFrom(puzzles[n].puzzle));
        ASSERT_EQ(twins.CellSteps(0, 3 * kCellCount), "") << "puzzle " << n;
    }
}

// Random boards of every kind the window can make, then random mixes of
// typing, Set, sweeps and single steps on them.
TEST(EngineDifferential, RandomBoardsTypingAndSetMatchTheReference)
{
    const auto puzzles = AllPuzzles();
    std::mt19937 random(20261209);
    const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    for (int run = 0; run < 1500; ++run) {
        CTwins twins;
        const SetPuzzle& chosen = puzzles[static_cast<std::size_t>(pick(static_cast<int>(puzzles.size())))];
        Values values{};
        switch (run % 5) {
        case 0: values = ValuesFrom(chosen.puzzle); break;
        case 1: // givens that may well contradict each other
            for (int& v : values)
                v = pick(3) == 0 ? 1 + pick(9) : 0;
            break;
        case 2: break; // empty
        case 3: values = ValuesFrom(chosen.solution); break;
        default: // a solution with holes, nearly full
            values = ValuesFrom(chosen.solution);
            for (int& v : values)
                v = pick(4) == 0 ? 0 : v;
        }
        twins.Load(values);
        for (int round = 0; round < 6; ++round) {
            switch (pick(5)) {
            case 0:
                for (int k = pick(4); k >= 0; --k)
                    twins.Type(pick(kCellCount), pick(10));
                break;
            case 1: twins.Set(); break;
            default: break;
            }
            const std::string broken = pick(3) == 0 ? twins.CellSteps(pick(kCellCount), 1 + pick(100))
                                                    : twins.Sweeps(1 + pick(pick(2) ? 2 : 50));
            ASSERT_EQ(broken, "") << "run " << run << ", round " << round;
        }
    }
}

// The lane engine against the one-puzzle engine, board for board: every
// shared puzzle and random boards of every kind, after every count of
// sweeps from 0 to 5 and after Solve, on every instruction set this
// processor runs, with counts of boards that fill the lanes unevenly.
namespace lanes {

CLaneBoard LaneBoardOf(const Grid& grid)
{
    CLaneBoard board{};
    for (int i = 0; i < kCellCount; ++i) {
        board.value[i] = static_cast<std::uint8_t>(grid[i].GetValue());
        board.excluded[i] = grid[i].ExcludedMask();
    }
    return board;
}

// The one-puzzle engine's board after Solve (sweeps = kUntilUnchanged) or
// after that many Passes.
CLaneBoard OnePuzzleAtATime(const Values& values, unsigned long long sweeps)
{
    CBoard board;
    board.SetReasons(Reasons::Skipped);
    board.LoadValues(values);
    if (sweeps == kUntilUnchanged)
        board.OnSolve();
    for (unsigned long long n = 0; n < sweeps && sweeps != kUntilUnchanged; ++n)
        board.DoPass();
    return LaneBoardOf(board.Working());
}

std::string Difference(const CLaneBoard& lanes, const CLaneBoard& alone)
{
    for (int i = 0; i < kCellCount; ++i)
        if (lanes.value[i] != alone.value[i] || lanes.excluded[i] != alone.excluded[i])
            return "cell " + std::to_string(i) + " is " + std::to_string(lanes.value[i]) + "/"
                + std::to_string(lanes.excluded[i]) + ", alone " + std::to_string(alone.value[i]) + "/"
                + std::to_string(alone.excluded[i]);
    return {};
}

std::vector<Values> Boards()
{
    std::vector<Values> boards;
    const auto puzzles = AllPuzzles();
    for (const SetPuzzle& puzzle : puzzles)
        boards.push_back(ValuesFrom(puzzle.puzzle));
    std::mt19937 random(20261210);
    const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    for (int run = 0; run < 203; ++run) {
        const SetPuzzle& chosen = puzzles[static_cast<std::size_t>(pick(static_cast<int>(puzzles.size())))];
        Values values{};
        switch (run % 4) {
        case 0: // givens that may well contradict each other
            for (int& v : values)
                v = pick(3) == 0 ? 1 + pick(9) : 0;
            break;
        case 1: values = ValuesFrom(chosen.solution); break;
        case 2: // nearly full
            values = ValuesFrom(chosen.solution);
            for (int& v : values)
                v = pick(5) == 0 ? 0 : v;
            break;
        default: // a puzzle with a few wrong givens
            values = ValuesFrom(chosen.puzzle);
            for (int k = pick(3); k >= 0; --k)
                values[static_cast<std::size_t>(pick(kCellCount))] = 1 + pick(9);
        }
        boards.push_back(values);
    }
    boards.push_back(Values{}); // empty
    return boards;
}

TEST(LaneEngine, EveryBoardMatchesTheOnePuzzleEngineOnEveryInstructionSet)
{
    const std::vector<Values> boards = Boards();
    ASSERT_EQ(boards.size() % 16, 12u) << "the last lanes must stay part empty";
    int setsRun = 0;
    for (const LaneSet set : {LaneSet::Avx512, LaneSet::Avx2, LaneSet::Sse2, LaneSet::Portable}) {
        if (!LaneSetRuns(set))
            continue;
        ++setsRun;
        for (const unsigned long long sweeps : {0ull, 1ull, 2ull, 3ull, 4ull, 5ull, kUntilUnchanged}) {
            std::vector<CLaneBoard> expected, run;
            for (const Values& values : boards) {
                expected.push_back(OnePuzzleAtATime(values, sweeps));
                run.push_back(OnePuzzleAtATime(values, 0));
            }
            // Every count of boards up to two rounds of the widest lanes
            // (16), then all.
            for (std::size_t count = 0; count <= 33; ++count) {
                std::vector<CLaneBoard> few(run.begin() + 100, run.begin() + 100 + static_cast<std::ptrdiff_t>(count));
                RunLanes(few, sweeps, set);
                for (std::size_t n = 0; n < count; ++n)
                    ASSERT_EQ(Difference(few[n], expected[100 + n]), "")
                        << LaneSetName(set) << ", " << count << " boards, sweeps " << sweeps << ", board " << n;
            }
            RunLanes(run, sweeps, set);
            for (std::size_t n = 0; n < boards.size(); ++n)
                ASSERT_EQ(Difference(run[n], expected[n]), "")
                    << LaneSetName(set) << ", sweeps " << sweeps << ", board " << n;
        }
    }
    EXPECT_GE(setsRun, 1);
}

} // namespace lanes

} // namespace
