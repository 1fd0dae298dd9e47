// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The hint is the first fill that pressing Pass again and again would
// make, found without touching the board; conflicts are exactly the cells
// that contradict the board, found against a plain check of every pair.

#include "board.h"
#include "explanation.h"
#include "guidance.h"
#include "puzzle_maker.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// The first cell, in the order the sweep visits them, that a Pass fills on
// a copy of board, by running the board's own Pass: the cell, how many
// passes it took, and the board before and after that pass.
struct CFirstFill {
    int cell = -1;
    int passes = 0;
    CBoardState before;
    CBoardState after;
};
CFirstFill FirstFillByPass(const CBoard& board)
{
    CBoard copy;
    copy.Restore(board.State());
    for (int passes = 1;; ++passes) {
        const CBoardState before = copy.State();
        if (!copy.DoPass())
            return {};
        for (int i = 0; i < kCellCount; ++i)
            if (before.working[static_cast<std::size_t>(i)].value == 0 && copy.Working()[static_cast<std::size_t>(i)].GetValue() != 0)
                return {i, passes, before, copy.State()};
    }
}

void ExpectHintIsTheNextFill(const CBoard& board, const std::string& what)
{
    const CBoardState untouched = board.State();
    const CHint hint = FindHint(board.Working());
    EXPECT_TRUE(board.State() == untouched) << what << ": the hint changed the board";
    const CFirstFill first = FirstFillByPass(board);
    const int cell = first.cell;
    ASSERT_EQ(hint.cell, cell) << what;
    if (cell < 0)
        return;
    const CCellState& state = first.after.working[static_cast<std::size_t>(cell)];
    EXPECT_EQ(hint.digit, state.value) << what;
    EXPECT_EQ(hint.how, state.fill) << what;
    EXPECT_TRUE(hint.grid[static_cast<std::size_t>(cell)].State() == state) << what;
    EXPECT_EQ(hint.sweep, first.passes) << what;
    // The copy stops at the moment of the fill: the cells that pass has
    // visited as it left them, the others as they were before it.
    for (int i = 0; i < kCellCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_TRUE(hint.grid[k].State() == (i <= cell ? first.after.working[k] : first.before.working[k]))
            << what << ": cell " << i << " of the copy";
    }
    // On that copy, the filled cell's explanation rests on nothing that no
    // longer stands.
    EXPECT_FALSE(ExplainCell(hint.grid, cell).AnyLapsed()) << what;
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

Values GivenValues(const Grid& grid)
{
    Values values{};
    for (int i = 0; i < kCellCount; ++i)
        if (grid[static_cast<std::size_t>(i)].HowFilled() == Fill::Given)
            values[static_cast<std::size_t>(i)] = grid[static_cast<std::size_t>(i)].GetValue();
    return values;
}

// The givens are said to contradict each other when they have no solution,
// also where the rules, run on them from the start, find nothing wrong;
// and never for the shared puzzles, which have one.
TEST(GivensContradict, AlsoWhereTheRulesSeeNothingWrong)
{
    std::mt19937 random(4711);
    int unseen = 0;
    for (int round = 0; round < 400 && unseen < 5; ++round) {
        CBoard board;
        for (int k = 0; k < 22; ++k) {
            const int cell = static_cast<int>(random() % kCellCount);
            const int digit = static_cast<int>(random() % 9 + 1);
            CBoard trial;
            trial.Restore(board.State());
            trial.Working()[static_cast<std::size_t>(cell)].SetValue(digit);
            if (!Contradicts(FindConflicts(trial.Working())))
                board.Working()[static_cast<std::size_t>(cell)].SetValue(digit);
        }
        if (CountSolutions(GivenValues(board.Working()), 1).count != 0)
            continue;
        board.OnSolve();
        if (Contradicts(FindConflicts(board.Working())))
            continue;
        EXPECT_TRUE(GivensContradict(board.Working())) << "round " << round;
        ++unseen;
    }
    EXPECT_EQ(unseen, 5) << "boards with no solution that Solve leaves without a contradiction";
    for (const SetPuzzle& puzzle : LoadPuzzleSet("expert")) {
        CBoard board;
        board.LoadValues(ValuesFrom(puzzle.puzzle));
        EXPECT_FALSE(GivensContradict(board.Working()));
        board.OnSolve();
        EXPECT_FALSE(GivensContradict(board.Working())) << "found digits are no givens";
    }
}

// A cell left with no digit says whether the givens contradict each other:
// after a wrong digit is typed and Solve runs, they do; once the digit is
// taken back, the cell keeps nothing open, but the givens no longer
// contradict, and the cell says so.
TEST(GivensContradict, TheEmptiedCellSaysWhetherTheGivensAreToBlame)
{
    const SetPuzzle puzzle = LoadPuzzleSet("easy")[3];
    int cases = 0;
    for (int cell = 0; cell < kCellCount && cases < 5; ++cell) {
        if (puzzle.puzzle[static_cast<std::size_t>(cell)] != '.')
            continue;
        const int wrong = puzzle.solution[static_cast<std::size_t>(cell)] - '0' == 9 ? 1 : puzzle.solution[static_cast<std::size_t>(cell)] - '0' + 1;
        CBoard board;
        board.LoadValues(ValuesFrom(puzzle.puzzle));
        board.Working()[static_cast<std::size_t>(cell)].SetValue(wrong);
        board.OnSolve();
        const Conflicts conflicts = FindConflicts(board.Working());
        const auto empty = std::find_if(conflicts.begin(), conflicts.end(), [](const CConflict& c) { return c.noDigitLeft; });
        if (empty == conflicts.end())
            continue;
        const int at = static_cast<int>(empty - conflicts.begin());
        const auto statements = [&] {
            std::vector<Statement> what;
            for (const CExplanationLine& line : ExplainCell(board.Working(), at).lines)
                what.push_back(line.what);
            return what;
        };
        ASSERT_TRUE(GivensContradict(board.Working()));
        EXPECT_EQ(statements().at(1), Statement::NoDigitLeft);
        board.Working()[static_cast<std::size_t>(cell)].SetValue(0);
        ASSERT_TRUE(FindConflicts(board.Working())[static_cast<std::size_t>(at)].noDigitLeft);
        EXPECT_FALSE(GivensContradict(board.Working()));
        EXPECT_EQ(statements().at(1), Statement::NoDigitLeftYetGivensAllow);
        ++cases;
    }
    EXPECT_GE(cases, 3);
}

// A filled cell names, right after how it was filled, each other cell of
// its row, column and box that holds its digit too, citing it.
TEST(Conflicts, AFilledCellNamesEachCellThatHoldsItsDigitToo)
{
    CBoard board;
    board.LoadValues(ValuesFrom(LoadPuzzleSet("simple")[0].puzzle));
    board.OnSolve();
    // A 5 typed over row 1, column 1 clashes with the 5s of its row, column and box.
    board.Cell(0, 0).SetValue(5);
    const std::vector<int> peers = SameDigitPeers(board.Working(), 0);
    ASSERT_EQ(peers.size(), 3u);
    const CCellExplanation explanation = ExplainCell(board.Working(), 0);
    ASSERT_GE(explanation.lines.size(), 4u);
    EXPECT_EQ(explanation.lines[0].what, Statement::Given);
    for (std::size_t k = 0; k < peers.size(); ++k) {
        const CExplanationLine& line = explanation.lines[k + 1];
        EXPECT_EQ(line.what, Statement::AlsoStands);
        EXPECT_EQ(line.digit, 5);
        EXPECT_EQ(line.cited, std::vector<int>{peers[k]});
        EXPECT_TRUE(line.lapsed.empty());
        // The other cell names this one back.
        const CCellExplanation back = ExplainCell(board.Working(), peers[k]);
        EXPECT_TRUE(std::any_of(back.lines.begin(), back.lines.end(), [](const CExplanationLine& l) {
            return l.what == Statement::AlsoStands && l.cited == std::vector<int>{0};
        }));
    }
    // A given keeps no reasons: those are all its lines.
    EXPECT_EQ(explanation.lines.size(), peers.size() + 1);
}

} // namespace
