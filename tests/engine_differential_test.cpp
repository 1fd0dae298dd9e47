// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The engine against the plain reference deduction, call for call: the same
// result, the same grid and the same writes to the controls, in the same
// order, and the same reason kept for every digit and every fill; on the
// shared puzzles and on random boards, through sweeps that share their
// bookkeeping (as Solve does) and single steps (as Cell does), with typing
// and Set in between.

#include "deduction.h"
#include "reference_deduction.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct LoggedWrite {
    int cell;
    CRecordingControl::Write::Kind kind;
    FontHandle font;
    std::string text;
    bool operator==(const LoggedWrite& other) const
    {
        return cell == other.cell && kind == other.kind && font == other.font && text == other.text;
    }
};

// A control that adds every write to one log shared by the whole grid, so
// that the order of writes across cells is compared too.
class CLoggingControl : public CCellControl {
public:
    void Bind(std::vector<LoggedWrite>* log, int cell) { log_ = log, cell_ = cell; }
    void SetCellFont(FontHandle font) override
    {
        log_->push_back({cell_, CRecordingControl::Write::Font, font, {}});
    }
    void SetCellText(const std::string& text) override
    {
        log_->push_back({cell_, CRecordingControl::Write::Text, 0, text});
        text_ = text;
    }
    std::string CellText() const override { return text_; }

private:
    std::vector<LoggedWrite>* log_ = nullptr;
    int cell_ = 0;
    std::string text_;
};

// One grid bound to logging controls.
struct CLoggedGrid {
    CLoggedGrid()
    {
        for (int i = 0; i < kCellCount; ++i) {
            controls[i].Bind(&log, i);
            grid[i].AttachControl(&controls[i]);
            grid[i].AttachFonts(kValueFont, kCandidateFont);
        }
    }
    CLoggedGrid(const CLoggedGrid&) = delete;
    Grid grid{};
    std::array<CLoggingControl, kCellCount> controls;
    std::vector<LoggedWrite> log;
};

std::string Describe(const CCell& cell)
{
    return std::to_string(cell.GetValue()) + "/" + OpenDigits(cell);
}

std::string Describe(const CReason& reason)
{
    return "rule " + std::to_string(static_cast<int>(reason.rule)) + " on " + std::to_string(reason.a) + ", "
        + std::to_string(reason.b) + " with " + std::to_string(reason.other);
}

// The engine's grid and the reference's, driven side by side.
class CTwins {
public:
    void Load(const Values& values)
    {
        for (int i = 0; i < kCellCount; ++i) {
            engine_.grid[i].SetValue(values[i]);
            reference_.grid[i].SetValue(values[i]);
        }
    }
    // What typing a digit into one cell does.
    void Type(int cell, int value)
    {
        engine_.grid[cell].SetValue(value);
        reference_.grid[cell].SetValue(value);
    }
    // What Set does when every control shows its cell: pencil marks go.
    void Set()
    {
        for (int i = 0; i < kCellCount; ++i)
            Type(i, engine_.grid[i].GetValue());
    }

    // Runs one call on both and returns the first difference, or "";
    // changed tells whether the call changed its cell.
    std::string Step(CSweep& sweep, int row, int column, bool& changed)
    {
        const std::size_t engineWrites = engine_.log.size();
        const std::size_t referenceWrites = reference_.log.size();
        const bool fast = sweep.UpdateCell(row, column);
        const bool plain = ReferenceUpdateCell(reference_.grid, row, column);
        changed = plain;
        const std::string at = "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
        if (fast != plain)
            return "call on " + at + " returned " + std::to_string(fast) + ", reference " + std::to_string(plain);
        for (int i = 0; i < kCellCount; ++i)
            if (engine_.grid[i].GetValue() != reference_.grid[i].GetValue()
                || engine_.grid[i].ExcludedMask() != reference_.grid[i].ExcludedMask())
                return "after the call on " + at + ", cell " + std::to_string(i) + " is "
                    + Describe(engine_.grid[i]) + ", reference " + Describe(reference_.grid[i]);
        if (!std::equal(engine_.log.begin() + static_cast<std::ptrdiff_t>(engineWrites), engine_.log.end(),
                        reference_.log.begin() + static_cast<std::ptrdiff_t>(referenceWrites),
                        reference_.log.end()))
            return "the call on " + at + " wrote to the controls differently";
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
                if (std::string broken = Step(sweep, i / kBoardSize, i % kBoardSize, changed); !broken.empty())
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
        for (int n = 0; n < maxSweeps; ++n) {
            bool anyChanged = false;
            for (int row = 0; row < kBoardSize; ++row)
                for (int column = 0; column < kBoardSize; ++column) {
                    bool changed = false;
                    if (std::string broken = Step(sweep, row, column, changed); !broken.empty())
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

} // namespace
