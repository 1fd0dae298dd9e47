// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The hint is the first fill of the easiest rules that make one, found
// without touching the board, as the reference deduction makes it;
// conflicts are exactly the cells that contradict the board, found against
// a plain check of every pair.

#include "board.h"
#include "explanation.h"
#include "guidance.h"
#include "puzzle_maker.h"
#include "reference_deduction.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace {

// How often each set of rules gave the hint.
std::map<Rules, int> hintsBy;

void ExpectHintIsTheNextFill(const CBoard& board, const std::string& what)
{
    const CBoardState untouched = board.State();
    const CHint hint = FindHint(board.Working());
    EXPECT_TRUE(board.State() == untouched) << what << ": the hint changed the board";
    // The rule sets in the levels' order, each from the board as it is.
    CReferenceFill first;
    Grid copy;
    for (const Rules rules : {Rules::Singles, Rules::BoxAndLine, Rules::All}) {
        if ((first = ReferenceFirstFill(copy = board.Working(), rules)).cell < 0)
            continue;
        ++hintsBy[rules];
        EXPECT_EQ(hint.rules, rules) << what;
        break;
    }
    const int cell = first.cell;
    ASSERT_EQ(hint.cell, cell) << what;
    if (cell < 0)
        return;
    EXPECT_EQ(hint.digit, copy[static_cast<std::size_t>(cell)].GetValue()) << what;
    EXPECT_EQ(hint.how, copy[static_cast<std::size_t>(cell)].HowFilled()) << what;
    EXPECT_EQ(hint.sweep, first.sweep) << what;
    std::vector<std::pair<int, CReason>> steps;
    for (const CReferenceStep& step : first.log)
        if (step.cell == cell && step.reason.rule != Rule::None)
            steps.push_back({step.digit, step.reason});
    EXPECT_EQ(hint.steps, steps) << what;
    // The copy stops at the moment of the fill.
    for (int i = 0; i < kCellCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_TRUE(hint.grid[k].State() == copy[k].State()) << what << ": cell " << i << " of the copy";
    }
    // On that copy, the filled cell's explanation rests on nothing that no
    // longer stands, and what the hint's rules ruled out on the way uses
    // them alone.
    EXPECT_FALSE(ExplainCell(hint.grid, cell).AnyLapsed()) << what;
    const Rule strongest = hint.rules == Rules::Singles ? Rule::Box
        : hint.rules == Rules::BoxAndLine               ? Rule::Stack
                                                        : Rule::ColumnPair;
    for (const auto& [digit, reason] : hint.steps)
        EXPECT_TRUE(reason.rule != Rule::None && reason.rule <= strongest) << what << ": " << digit;
    // Pass, with all the rules, puts the digit there in as many presses as
    // the hint says, never more than the easier rules' sweeps.
    CBoard passing;
    passing.Restore(untouched);
    int passes = 0;
    while (passing.Cell(RowOf(cell), ColumnOf(cell)).GetValue() == 0 && passing.DoPass())
        ++passes;
    EXPECT_EQ(passing.Cell(RowOf(cell), ColumnOf(cell)).GetValue(), hint.digit) << what;
    EXPECT_EQ(hint.passes, passes) << what;
    EXPECT_LE(hint.passes, hint.sweep) << what;
}

TEST(Hint, IsTheEasiestRulesFirstFillOnEveryPuzzleAtEveryStage)
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
    for (const Rules rules : {Rules::Singles, Rules::BoxAndLine, Rules::All})
        EXPECT_GT(hintsBy[rules], 0) << static_cast<int>(rules);
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
                if (j != i && line && cell.GetValue() != 0
                    && board.Working()[static_cast<std::size_t>(j)].GetValue() == cell.GetValue())
                    same.push_back(j);
            }
            EXPECT_EQ(conflicts[static_cast<std::size_t>(i)].sameDigit, same) << round << " cell " << i;
            EXPECT_EQ(conflicts[static_cast<std::size_t>(i)].noDigitLeft,
                      cell.GetValue() == 0 && cell.CandidateCount() == 0)
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

// A cell left with no digit says who is to blame: after a wrong digit is
// put in as a given and Solve runs, the givens; typed in as the person's
// entry, that entry, named. Once the digit is taken back, the cell keeps
// nothing open, but no one is to blame any more, and the cell says so.
TEST(GivensContradict, TheEmptiedCellSaysWhetherTheGivensOrAnEntryAreToBlame)
{
    const SetPuzzle puzzle = LoadPuzzleSet("easy")[3];
    int cases = 0;
    for (int cell = 0; cell < kCellCount && cases < 10; ++cell) {
        if (puzzle.puzzle[static_cast<std::size_t>(cell)] != '.')
            continue;
        const int wrong = puzzle.solution[static_cast<std::size_t>(cell)] - '0' == 9
            ? 1
            : puzzle.solution[static_cast<std::size_t>(cell)] - '0' + 1;
        const bool entered = cases % 2 == 1;
        CBoard board;
        board.LoadValues(ValuesFrom(puzzle.puzzle));
        if (entered)
            board.SetValue(RowOf(cell), ColumnOf(cell), wrong);
        else
            board.Working()[static_cast<std::size_t>(cell)].SetValue(wrong);
        board.OnSolve();
        const Conflicts conflicts = FindConflicts(board.Working());
        const auto empty =
            std::find_if(conflicts.begin(), conflicts.end(), [](const CConflict& c) { return c.noDigitLeft; });
        if (empty == conflicts.end())
            continue;
        const int at = static_cast<int>(empty - conflicts.begin());
        const auto blame = [&] { return ExplainCell(board.Working(), at).lines.at(1); };
        ASSERT_EQ(GivensContradict(board.Working()), !entered);
        EXPECT_EQ(blame().what, entered ? Statement::NoDigitLeftByEntries : Statement::NoDigitLeft);
        EXPECT_EQ(blame().cited, entered ? std::vector<int>{cell} : std::vector<int>{});
        board.Working()[static_cast<std::size_t>(cell)].SetValue(0);
        ASSERT_TRUE(FindConflicts(board.Working())[static_cast<std::size_t>(at)].noDigitLeft);
        EXPECT_FALSE(GivensContradict(board.Working()));
        EXPECT_EQ(blame().what, Statement::NoDigitLeftYetGivensAllow);
        ++cases;
    }
    EXPECT_GE(cases, 6);
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
