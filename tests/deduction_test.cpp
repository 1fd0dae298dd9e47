// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "deduction.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// Rows of a board, top first; '.' is an empty cell that nothing has
// worked on.
Grid GridOf(const std::vector<std::string>& rows)
{
    std::string cells;
    for (const auto& row : rows)
        cells += row;
    const Values values = ValuesFrom(cells);
    Grid grid{};
    for (int i = 0; i < kCellCount; ++i)
        grid[i].SetValue(values[i]);
    return grid;
}

Grid EmptyGrid() { return Grid{}; }

// Leaves exactly the given digits open in a cell.
void LeaveOpen(CCell& cell, std::initializer_list<int> digits)
{
    DigitMask keep = 0;
    for (int d : digits)
        keep |= DigitBit(d);
    cell.RuleOut(kAllDigits & ~keep);
}

CCell& At(Grid& grid, int row, int column) { return grid[CellIndex(row, column)]; }

TEST(DeductionFilledCell, IsLeftAloneAndNotRedrawn)
{
    Grid grid = EmptyGrid();
    At(grid, 4, 4).SetValue(5);
    At(grid, 4, 4).TakeDisplayChange();
    At(grid, 4, 5).SetValue(5); // a contradiction next door changes nothing
    EXPECT_FALSE(UpdateCell(grid, 4, 4));
    EXPECT_EQ(At(grid, 4, 4).GetValue(), 5);
    EXPECT_FALSE(At(grid, 4, 4).TakeDisplayChange());
}

TEST(DeductionPlacedDigits, RowColumnAndBoxDigitsAreRuledOut)
{
    Grid grid = GridOf({
        "1........",
        ".........",
        "..2......",
        ".........",
        "...3.....",
        ".........",
        ".........",
        "........4",
        "5.......6",
    });
    // (7, 0): its row holds 4, its column 1 and 5, its box 5.
    EXPECT_TRUE(UpdateCell(grid, 7, 0));
    EXPECT_EQ(OpenDigits(At(grid, 7, 0)), "236789");
    // (1, 1): row nothing, column nothing, box 1 and 2.
    EXPECT_TRUE(UpdateCell(grid, 1, 1));
    EXPECT_EQ(OpenDigits(At(grid, 1, 1)), "3456789");
}

TEST(DeductionPlacedDigits, EightDifferentDigitsAroundACellPlaceTheNinth)
{
    Grid grid = GridOf({
        "12.......",
        "..3......",
        "..4......",
        ".........",
        "..5......",
        "..6......",
        ".........",
        "..7......",
        "..8......",
    });
    EXPECT_TRUE(UpdateCell(grid, 0, 2));
    EXPECT_EQ(At(grid, 0, 2).GetValue(), 9);
    EXPECT_EQ(At(grid, 0, 2).DisplayText(), "9");
}

TEST(DeductionPlacedDigits, ASecondCallWithNothingElseChangedReturnsFalse)
{
    Grid grid = GridOf({
        "1.3......",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_TRUE(UpdateCell(grid, 0, 1));
    At(grid, 0, 1).TakeDisplayChange();
    EXPECT_FALSE(UpdateCell(grid, 0, 1));
    EXPECT_FALSE(At(grid, 0, 1).TakeDisplayChange());
}

TEST(DeductionConfinedToRow, ADigitRuledOutInTheNeighbourBoxOutsideTheRowIsRuledOut)
{
    Grid grid = EmptyGrid();
    // X is (1, 4); the box to its left spans columns 0-2, rows 0-2.
    for (int r : {0, 2})
        for (int c = 0; c < 3; ++c)
            At(grid, r, c).RuleOut(DigitBit(5));
    EXPECT_TRUE(UpdateCell(grid, 1, 4));
    EXPECT_EQ(OpenDigits(At(grid, 1, 4)), "12346789");
}

TEST(DeductionConfinedToRow, FilledCellsCountAsRulingOutAllButTheirOwnDigit)
{
    Grid grid = GridOf({
        "123......",
        ".........",
        "567......",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    // Row 1 of box 0 must hold 4, 8 and 9; X at (1, 5) loses them, while the
    // digits placed in the box (1, 2, 3, 5, 6, 7) stay open in X.
    EXPECT_TRUE(UpdateCell(grid, 1, 5));
    EXPECT_EQ(OpenDigits(At(grid, 1, 5)), "123567");
}

TEST(DeductionConfinedToRow, OneUnworkedEmptyCellInTheBoxConfirmsNothing)
{
    Grid grid = GridOf({
        "123......",
        ".........",
        "56.......",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    EXPECT_FALSE(UpdateCell(grid, 1, 5));
    EXPECT_EQ(OpenDigits(At(grid, 1, 5)), "123456789");
}

TEST(DeductionConfinedToRow, TheCellsOwnBoxIsNotANeighbour)
{
    Grid grid = EmptyGrid();
    for (int r : {0, 2})
        for (int c = 3; c < 6; ++c)
            At(grid, r, c).RuleOut(DigitBit(5));
    EXPECT_FALSE(UpdateCell(grid, 1, 4));
}

TEST(DeductionConfinedToColumn, ADigitRuledOutInTheNeighbourBoxOutsideTheColumnIsRuledOut)
{
    Grid grid = EmptyGrid();
    // X is (7, 1); the box above-above it spans rows 0-2, columns 0-2.
    for (int r = 0; r < 3; ++r)
        for (int c : {0, 2})
            At(grid, r, c).RuleOut(DigitBit(8));
    EXPECT_TRUE(UpdateCell(grid, 7, 1));
    EXPECT_EQ(OpenDigits(At(grid, 7, 1)), "12345679");
}

TEST(DeductionPairs, TwoCellsOfTheRowWithTheSameTwoCandidatesRuleThemOut)
{
    Grid grid = EmptyGrid();
    LeaveOpen(At(grid, 3, 1), {3, 8});
    LeaveOpen(At(grid, 3, 7), {3, 8});
    EXPECT_TRUE(UpdateCell(grid, 3, 4));
    EXPECT_EQ(OpenDigits(At(grid, 3, 4)), "1245679");
}

TEST(DeductionPairs, DifferentPairsRuleOutNothing)
{
    Grid grid = EmptyGrid();
    LeaveOpen(At(grid, 3, 1), {3, 8});
    LeaveOpen(At(grid, 3, 7), {3, 9});
    LeaveOpen(At(grid, 0, 4), {3, 8});
    LeaveOpen(At(grid, 8, 4), {2, 8});
    EXPECT_FALSE(UpdateCell(grid, 3, 4));
}

TEST(DeductionPairs, TwoCellsOfTheColumnWithTheSameTwoCandidatesRuleThemOut)
{
    Grid grid = EmptyGrid();
    LeaveOpen(At(grid, 0, 6), {1, 9});
    LeaveOpen(At(grid, 5, 6), {1, 9});
    EXPECT_TRUE(UpdateCell(grid, 8, 6));
    EXPECT_EQ(OpenDigits(At(grid, 8, 6)), "2345678");
}

TEST(DeductionPairs, ThreeCellsWithThePairAreStillAPair)
{
    Grid grid = EmptyGrid();
    for (int c : {0, 2, 8})
        LeaveOpen(At(grid, 6, c), {4, 5});
    EXPECT_TRUE(UpdateCell(grid, 6, 4));
    EXPECT_EQ(OpenDigits(At(grid, 6, 4)), "1236789");
}

TEST(DeductionPairs, APairInTheBoxOnlyIsNoRule)
{
    Grid grid = EmptyGrid();
    LeaveOpen(At(grid, 0, 1), {2, 6});
    LeaveOpen(At(grid, 1, 2), {2, 6});
    EXPECT_FALSE(UpdateCell(grid, 2, 0));
}

TEST(DeductionOnlyPlaceInBox, ADigitRuledOutInTheOtherEightCellsIsPlaced)
{
    Grid grid = EmptyGrid();
    for (int r = 6; r < 9; ++r)
        for (int c = 3; c < 6; ++c)
            if (r != 7 || c != 4)
                At(grid, r, c).RuleOut(DigitBit(6));
    EXPECT_TRUE(UpdateCell(grid, 7, 4));
    EXPECT_EQ(At(grid, 7, 4).GetValue(), 6);
    EXPECT_EQ(OpenDigits(At(grid, 7, 4)), "6");
}

TEST(DeductionOnlyPlaceInBox, TheLowestQualifyingDigitWins)
{
    Grid grid = EmptyGrid();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (r != 0 || c != 0)
                At(grid, r, c).RuleOut(DigitBit(7) | DigitBit(3));
    EXPECT_TRUE(UpdateCell(grid, 0, 0));
    EXPECT_EQ(At(grid, 0, 0).GetValue(), 3);
}

TEST(DeductionOnlyPlaceInBox, ADigitRuledOutInTheCellItselfIsNotPlaced)
{
    Grid grid = EmptyGrid();
    for (int r = 6; r < 9; ++r)
        for (int c = 6; c < 9; ++c)
            At(grid, r, c).RuleOut(DigitBit(6));
    EXPECT_FALSE(UpdateCell(grid, 6, 6));
    EXPECT_EQ(At(grid, 6, 6).GetValue(), 0);
}

TEST(DeductionSingleCandidate, RulingOutAllButOneDigitUpdatesTheDisplay)
{
    Grid grid = GridOf({
        "12.......",
        "..3......",
        "..4......",
        ".........",
        "..5......",
        "..6......",
        ".........",
        "..7......",
        "..8......",
    });
    At(grid, 0, 2).TakeDisplayChange();
    UpdateCell(grid, 0, 2);
    EXPECT_TRUE(At(grid, 0, 2).TakeDisplayChange());
    EXPECT_EQ(At(grid, 0, 2).DisplayText(), "9");
}

TEST(DeductionSingleCandidate, ACellLeftWithNoDigitStaysEmptyAndShowsABlankGrid)
{
    Grid grid = GridOf({
        "12345678.",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        "........9",
    });
    EXPECT_TRUE(UpdateCell(grid, 0, 8));
    EXPECT_EQ(At(grid, 0, 8).GetValue(), 0);
    EXPECT_EQ(At(grid, 0, 8).CandidateCount(), 0);
    EXPECT_EQ(At(grid, 0, 8).DisplayText(), "       \r\n       \r\n       ");
}

TEST(DeductionOrder, ACellUsesOnlyWhatItsNeighboursHaveWorkedOutSoFar)
{
    // Columns 4 and 5 hold every digit but 3 and 8, so once (0, 4) and
    // (0, 5) have been worked on they form a pair in row 0.
    Grid grid = GridOf({
        ".........",
        "....16...",
        "....29...",
        "....41...",
        "....52...",
        "....67...",
        "....74...",
        "....95...",
        ".........",
    });
    EXPECT_FALSE(UpdateCell(grid, 0, 0));
    UpdateCell(grid, 0, 4);
    UpdateCell(grid, 0, 5);
    ASSERT_EQ(OpenDigits(At(grid, 0, 4)), "38");
    ASSERT_EQ(OpenDigits(At(grid, 0, 5)), "38");
    EXPECT_TRUE(UpdateCell(grid, 0, 0));
    EXPECT_EQ(OpenDigits(At(grid, 0, 0)), "1245679");
}

TEST(DeductionOrder, OnlyTheTargetCellIsWritten)
{
    Grid grid = GridOf({
        "1........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    const Grid before = grid;
    UpdateCell(grid, 4, 0);
    for (int i = 0; i < kCellCount; ++i) {
        if (i == CellIndex(4, 0))
            continue;
        EXPECT_EQ(grid[i].GetValue(), before[i].GetValue());
        EXPECT_EQ(grid[i].ExcludedMask(), before[i].ExcludedMask());
    }
}

} // namespace
