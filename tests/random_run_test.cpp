// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Random sequences of board commands, typing and file round trips on random
// boards, checked against what must always hold. Seeded: a failure names
// the seed that replays it. ZIFREL_RANDOM_SEED and ZIFREL_RANDOM_RUNS set
// the first seed and the number of sequences (longer runs on request).

#include "board.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

// Saves without waiting for the disk: thousands of saves run here, and
// durability is not what this test is about.
class CNoSyncFileSystem : public CFileSystem {
public:
    int Fsync(int) override { return 0; }
};

unsigned long EnvNumber(const char* name, unsigned long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

bool AllOpenAsSetValueLeaves(const CCell& cell)
{
    const int v = cell.GetValue();
    return cell.ExcludedMask() == (v == 0 ? DigitMask{0} : static_cast<DigitMask>(kAllDigits & ~DigitBit(v)));
}

class CRandomRun {
public:
    CRandomRun(unsigned long seed, const std::vector<SetPuzzle>& puzzles, CFileSystem& fs)
        : random_(seed), puzzles_(puzzles), bound_(fs)
    {
    }

    // Returns the first broken rule, or "" when all held.
    std::string Run(int steps)
    {
        StartBoard();
        for (int step = 0; step < steps; ++step) {
            const std::string broken = Step();
            if (!broken.empty())
                return "step " + std::to_string(step) + ", command " + std::to_string(lastChoice) + ": " + broken;
        }
        return {};
    }

    long long commands = 0;
    int lastChoice = -1;

private:
    CBoard& Board() { return bound_.board; }
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    void StartBoard()
    {
        const SetPuzzle& chosen = puzzles_[static_cast<std::size_t>(Pick(static_cast<int>(puzzles_.size())))];
        solution_.clear();
        switch (Pick(4)) {
        case 0: // a uniquely solvable puzzle
            Board().LoadValues(ValuesFrom(chosen.puzzle));
            solution_ = chosen.solution;
            break;
        case 1: { // givens that may contradict each other
            Values values{};
            for (int& v : values)
                v = Pick(3) == 0 ? 1 + Pick(9) : 0;
            Board().LoadValues(values);
            break;
        }
        case 2: Board().OnClear(); break;
        default: // a full board
            Board().LoadValues(ValuesFrom(chosen.solution));
            solution_ = chosen.solution;
        }
    }

    // True while every value and every flag agrees with the solution.
    bool FaithfulToSolution()
    {
        if (solution_.empty())
            return false;
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& cell = Board().Working()[i];
            const int digit = solution_[static_cast<std::size_t>(i)] - '0';
            if ((cell.GetValue() != 0 && cell.GetValue() != digit) || !cell.IsOpen(digit))
                return false;
        }
        return true;
    }

    std::string CheckCells()
    {
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& cell = Board().Working()[i];
            if (cell.GetValue() != 0 && cell.CandidateMask() != DigitBit(cell.GetValue()))
                return "filled cell " + std::to_string(i) + " has other digits open";
            if (bound_.display.shown[static_cast<std::size_t>(i)] != cell.DisplayText())
                return "cell " + std::to_string(i) + " shows something else than it holds";
        }
        return {};
    }

    std::string Step()
    {
        ++commands;
        // Only the deductions are held to the solution; typing may break it.
        const bool faithful = FaithfulToSolution();
        bool deduced = false;
        const int choice = Pick(12);
        lastChoice = choice;
        switch (choice) {
        case 0:
            Board().OnClear();
            for (const CCell& cell : Board().Working())
                if (cell.GetValue() != 0 || cell.CandidateCount() != 9)
                    return "Clear left a cell that is not empty with all digits open";
            break;
        case 1: {
            // Set takes what the cells show: 0 where typing left another text.
            Values shown = Board().WorkingValues();
            for (int i = 0; i < kCellCount; ++i)
                if (typedOnly_[static_cast<std::size_t>(i)])
                    shown[static_cast<std::size_t>(i)] = 0;
            Board().OnSet(shown);
            typedOnly_.fill(false);
            snapshot_ = Board().WorkingValues();
            break;
        }
        case 2:
            Board().OnReset();
            if (Board().WorkingValues() != snapshot_)
                return "Reset did not bring back what Set captured";
            solution_.clear();
            break;
        case 3:
        case 4: {
            Grid before = Board().Working();
            Board().OnPass();
            deduced = true;
            for (int i = 0; i < kCellCount; ++i)
                if ((before[i].ExcludedMask() & ~Board().Working()[i].ExcludedMask()) != 0)
                    return "Pass reopened a digit in cell " + std::to_string(i);
            break;
        }
        case 5:
            deduced = true;
            if (Board().OnSolve() > kCellCount * 9 + kCellCount + 1)
                return "Solve ran more sweeps than there are flags and values to gain";
            if (Board().DoPass())
                return "a sweep after Solve still changed something";
            break;
        case 6:
            Board().OnCellStep();
            deduced = true;
            break;
        case 7: Board().OnStart(); break;
        case 8: {
            const Values saved = Board().WorkingValues();
            if (!Board().OnSave() || !Board().OnLoad())
                return "a save and load round trip failed";
            if (Board().WorkingValues() != saved)
                return "Load did not restore what Save wrote";
            for (const CCell& cell : Board().Working())
                if (!AllOpenAsSetValueLeaves(cell))
                    return "Load left worked-out flags behind";
            break;
        }
        case 9: { // the user types a digit and the window takes it over
            const int i = Pick(kCellCount);
            Board().SetValue(RowOf(i), ColumnOf(i), Pick(10));
            typedOnly_[static_cast<std::size_t>(i)] = false;
            solution_.clear();
            break;
        }
        case 10: { // the user deletes a digit or types text that is not taken over
            const int i = Pick(kCellCount);
            typedOnly_[static_cast<std::size_t>(i)] = true;
            solution_.clear();
            break;
        }
        default:
            StartBoard();
            typedOnly_.fill(false);
            return CheckCells();
        }
        if (deduced && faithful && !FaithfulToSolution())
            return "logic placed or ruled out a digit against the solution";
        return CheckCells();
    }

    std::mt19937 random_;
    const std::vector<SetPuzzle>& puzzles_;
    CBoundBoard bound_;
    Values snapshot_{};
    std::string solution_;
    std::array<bool, kCellCount> typedOnly_{};
};

TEST(RandomRun, EveryRuleHoldsOverRandomSequences)
{
    std::vector<SetPuzzle> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set))
            puzzles.push_back(puzzle);
    const unsigned long first = EnvNumber("ZIFREL_RANDOM_SEED", 20261208);
    const unsigned long runs = EnvNumber("ZIFREL_RANDOM_RUNS", 3000);

    CScratchFolder folder;
    CNoSyncFileSystem fs;
    long long commands = 0;
    for (unsigned long seed = first; seed < first + runs; ++seed) {
        CRandomRun run(seed, puzzles, fs);
        const std::string broken = run.Run(40);
        commands += run.commands;
        ASSERT_EQ(broken, "") << "replay with ZIFREL_RANDOM_SEED=" << seed << " ZIFREL_RANDOM_RUNS=1";
    }
    std::cout << runs << " sequences, " << commands << " commands\n";
}

} // namespace
