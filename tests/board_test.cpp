// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// A simple puzzle that one sweep does not finish.
const std::string kPuzzle = "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";
const std::string kSolution = "637142985425689713918735426183924657249576138756813294374251869591468372862397541";

bool AnyCellShowsCandidates(const CBoard& board)
{
    for (const CCell& cell : board.Working())
        if (cell.ShowsCandidates())
            return true;
    return false;
}

TEST(BoardSweeps, SolveOnAnEmptyBoardStopsAfterOneSweepThatChangesNothing)
{
    CBoundBoard b;
    EXPECT_EQ(b.board.OnSolve(), 1);
    EXPECT_EQ(b.display.Told(), 0);
}

TEST(BoardSweeps, ASecondPassFillsCellsTheFirstCouldNotYetReach)
{
    CBoard board;
    board.LoadValues(ValuesFrom(kPuzzle));
    EXPECT_TRUE(board.DoPass());
    const Values afterOne = board.WorkingValues();
    ASSERT_NE(CellsOf(afterOne), kSolution);
    EXPECT_TRUE(board.DoPass());
    EXPECT_NE(board.WorkingValues(), afterOne);
}

TEST(BoardSweeps, SolveSweepsUntilNothingChanges)
{
    CBoard board;
    board.LoadValues(ValuesFrom(kPuzzle));
    const int sweeps = board.OnSolve();
    EXPECT_GT(sweeps, 2);
    EXPECT_EQ(CellsOf(board.WorkingValues()), kSolution);
    EXPECT_FALSE(board.DoPass());
}

TEST(BoardSweeps, PassVisitsCellsRowByRowLeftToRight)
{
    // Passing cell by cell with the Cell button gives the same board as one
    // sweep, since both visit the cells in the same order.
    CBoard swept;
    CBoard stepped;
    swept.LoadValues(ValuesFrom(kPuzzle));
    stepped.LoadValues(ValuesFrom(kPuzzle));
    swept.OnPass();
    for (int i = 0; i < kCellCount; ++i)
        stepped.OnCellStep();
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(swept.Working()[i].ExcludedMask(), stepped.Working()[i].ExcludedMask()) << i;
}

TEST(BoardCursor, TheFirstStepAfterStartUpOrStartWorksOnTheTopLeftCell)
{
    CBoard board;
    EXPECT_EQ(board.CursorRow(), 8);
    EXPECT_EQ(board.CursorColumn(), 8);
    board.LoadValues(ValuesFrom(kPuzzle));
    EXPECT_TRUE(board.OnCellStep());
    EXPECT_EQ(board.CursorRow(), 0);
    EXPECT_EQ(board.CursorColumn(), 0);
    EXPECT_TRUE(board.Cell(0, 0).ShowsCandidates());
    EXPECT_FALSE(board.Cell(0, 1).ShowsCandidates());

    board.OnCellStep();
    board.OnStart();
    EXPECT_EQ(board.CursorRow(), 8);
    EXPECT_EQ(board.CursorColumn(), 8);
    board.OnCellStep();
    EXPECT_EQ(board.CursorRow(), 0);
    EXPECT_EQ(board.CursorColumn(), 0);
}

TEST(BoardCursor, StepsRunAlongARowThenOnToTheNextAndWrapAtTheEnd)
{
    CBoard board;
    board.OnStart();
    for (int i = 0; i < 9; ++i)
        board.OnCellStep();
    EXPECT_EQ(board.CursorRow(), 0);
    EXPECT_EQ(board.CursorColumn(), 8);
    board.OnCellStep();
    EXPECT_EQ(board.CursorRow(), 1);
    EXPECT_EQ(board.CursorColumn(), 0);
    for (int i = 0; i < 71; ++i)
        board.OnCellStep();
    EXPECT_EQ(board.CursorRow(), 8);
    EXPECT_EQ(board.CursorColumn(), 8);
    board.OnCellStep();
    EXPECT_EQ(board.CursorRow(), 0);
    EXPECT_EQ(board.CursorColumn(), 0);
}

TEST(BoardCursor, OnlyCellAndStartMoveTheCursor)
{
    CScratchFolder folder;
    CBoundBoard b;
    b.board.OnCellStep();
    b.board.OnCellStep();
    b.board.OnClear();
    b.board.OnSet();
    b.board.OnReset();
    b.board.OnPass();
    b.board.OnSolve();
    b.board.OnSave();
    b.board.OnLoad();
    EXPECT_EQ(b.board.CursorRow(), 0);
    EXPECT_EQ(b.board.CursorColumn(), 1);
}

TEST(BoardSnapshot, ResetWithoutAnySetEmptiesTheBoard)
{
    CBoundBoard b;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnReset();
    EXPECT_EQ(CellsOf(b.board.WorkingValues()), std::string(81, '0'));
    EXPECT_EQ(b.Shown(0, 4), "");
}

TEST(BoardSnapshot, SetTakesTheValuesShownAndResetBringsThemBack)
{
    CBoundBoard b;
    // A digit whose text was deleted shows as empty: Set empties its cell.
    b.board.Cell(2, 3).SetValue(4);
    Values shown{};
    shown[CellIndex(0, 0)] = 5;
    shown[CellIndex(4, 4)] = 9;
    b.board.OnSet(shown);
    EXPECT_EQ(b.board.Cell(0, 0).GetValue(), 5);
    EXPECT_EQ(b.board.Cell(2, 3).GetValue(), 0);

    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnSolve();
    b.board.OnReset();
    EXPECT_EQ(b.board.WorkingValues(), shown);
    EXPECT_EQ(b.Shown(4, 4), "9");
    EXPECT_FALSE(AnyCellShowsCandidates(b.board));
}

TEST(BoardSnapshot, SetWipesPencilMarksAndKeepsFilledCells)
{
    CBoundBoard b;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnPass();
    ASSERT_TRUE(AnyCellShowsCandidates(b.board));
    const Values filled = b.board.WorkingValues();
    b.board.OnSet();
    EXPECT_FALSE(AnyCellShowsCandidates(b.board));
    EXPECT_EQ(b.board.WorkingValues(), filled);
    for (int i = 0; i < kCellCount; ++i)
        if (filled[i] == 0) {
            EXPECT_EQ(b.display.shown[i], "") << i;
        }
}

TEST(BoardSnapshot, ClearKeepsTheSnapshot)
{
    CBoundBoard b;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnSet();
    b.board.OnClear();
    EXPECT_EQ(CellsOf(b.board.WorkingValues()), std::string(81, '0'));
    b.board.OnReset();
    EXPECT_EQ(b.board.WorkingValues(), ValuesFrom(kPuzzle));
}

TEST(BoardSnapshot, CommandsBehaveTheSameWithoutADisplay)
{
    CBoundBoard bound;
    CBoard unbound;
    for (CBoard* board : {&bound.board, &unbound}) {
        board->LoadValues(ValuesFrom(kPuzzle));
        board->OnSet();
        board->OnPass();
        board->OnCellStep();
    }
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(bound.board.Working()[i].GetValue(), unbound.Working()[i].GetValue());
        EXPECT_EQ(bound.board.Working()[i].ExcludedMask(), unbound.Working()[i].ExcludedMask());
    }
}

TEST(BoardDisplay, TheDisplayShowsWhatTheCellsHold)
{
    CBoundBoard b;
    b.board.LoadValues(ValuesFrom(kPuzzle));
    b.board.OnPass();
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(b.display.shown[i], b.board.Working()[i].DisplayText()) << i;
}

} // namespace
