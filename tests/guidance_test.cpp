// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The hint is the first fill that pressing Pass again and again would
// make, found without touching the board; conflicts are exactly the cells
// that contradict the board, found against a plain check of every pair.

#include "board.h"
#include "guidance.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The first cell, in the order the sweep visits them, that a Pass fills on
// a copy of board, with that cell's state; by running the board's own Pass.
std::pair<int, CCellState> FirstFillByPass(const CBoard& board)
{
    CBoard copy;
    copy.Restore(board.State());
    for (;;) {
        const Values before = copy.WorkingValues();
        if (!copy.DoPass())
            return {-1, {}};
        for (int i = 0; i < kCellCount; ++i)
            if (before[static_cast<std::size_t>(i)] == 0 && copy.Working()[static_cast<std::size_t>(i)].GetValue() != 0)
                return {i, copy.Working()[static_cast<std::size_t>(i)].State()};
    }
}

void ExpectHintIsTheNextFill(const CBoard& board, const std::string& what)
{
    const CBoardState untouched = board.State();
    const CHint hint = FindHint(board.Working());
    EXPECT_TRUE(board.State() == untouched) << what << ": the hint changed the board";
    const auto [cell, state] = FirstFillByPass(board);
    ASSERT_EQ(hint.cell, cell) << what;
    if (cell < 0)
        return;
    EXPECT_EQ(hint.digit, state.value) << what;
    EXPECT_EQ(hint.how, state.fill) << what;
    EXPECT_TRUE(hint.filled == state) << what;
    // Each step names a digit the filled cell keeps as ruled out, for that reason.
    const CCell& before = board.Working()[static_cast<std::size_t>(cell)];
    for (const auto& [digit, reason] : hint.steps) {
        EXPECT_TRUE(before.IsOpen(digit)) << what << ": " << digit << " was already out";
        EXPECT_NE(reason.rule, Rule::None) << what;
    }
}

TEST(Hint, IsTheFirstFillThatPassWouldMakeOnEveryPuzzleAtEveryStage)
{
    for (const char* set : {"simple", "easy", "intermediate", "expert"}) {
        for (const SetPuzzle& puzzle : LoadPuzzleSet(set)) {
            CBoard board;
            board.LoadValues(ValuesFrom(puzzle.puzzle));
            // Fresh, after a few cell steps, and after each pass.
            ExpectHintIsTheNextFill(board, std::string(set) + " fresh");
            for (int step = 0; step < 40; ++step)
                board.OnCellStep();
            ExpectHintIsTheNextFill(board, std::string(set) + " after 40 cells");
            for (int pass = 0; pass < 12 && board.DoPass(); ++pass)
                ExpectHintIsTheNextFill(board, std::string(set) + " after a pass");
        }
    }
}

TEST(Hint, NoneWhereTheRulesComeToRest)
{
    CBoard board;
    EXPECT_EQ(FindHint(board.Working()).cell, -1) << "empty board";
    const SetPuzzle full = LoadPuzzleSet("simple")[0];
    board.LoadValues(ValuesFrom(full.solution));
    EXPECT_EQ(FindHint(board.Working()).cell, -1) << "full board";
}

// Every pair of cells of one line holding the same digit, and every empty
// cell with nothing left open, checked the long way.
TEST(Conflicts, AreTheCellsThatContradictTheBoard)
{
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        CBoard board;
        const int givens = static_cast<int>(random() % 40);
        for (int k = 0; k < givens; ++k)
            board.Cell(static_cast<int>(random() % 9), static_cast<int>(random() % 9))
                .SetValue(static_cast<int>(random() % 9 + 1));
        board.OnSolve();
        const Conflicts conflicts = FindConflicts(board.Working());
        bool any = false;
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& cell = board.Working()[static_cast<std::size_t>(i)];
            std::vector<int> same;
            for (int j = 0; j < kCellCount; ++j) {
                const bool line = i / 9 == j / 9 || i % 9 == j % 9 || (i / 27 == j / 27 && i % 9 / 3 == j % 9 / 3);
                if (j != i && line && cell.GetValue() != 0 && board.Working()[static_cast<std::size_t>(j)].GetValue() == cell.GetValue())
                    same.push_back(j);
            }
            EXPECT_EQ(conflicts[static_cast<std::size_t>(i)].sameDigit, same) << round << " cell " << i;
            EXPECT_EQ(conflicts[static_cast<std::size_t>(i)].noDigitLeft, cell.GetValue() == 0 && cell.CandidateCount() == 0)
                << round << " cell " << i;
            any = any || !same.empty() || (cell.GetValue() == 0 && cell.CandidateCount() == 0);
        }
        EXPECT_EQ(Contradicts(conflicts), any) << round;
    }
    // The shared puzzles, solved, contradict nothing.
    for (const SetPuzzle& puzzle : LoadPuzzleSet("intermediate")) {
        CBoard board;
        board.LoadValues(ValuesFrom(puzzle.puzzle));
        board.OnSolve();
        EXPECT_FALSE(Contradicts(FindConflicts(board.Working())));
    }
}

} // namespace
