// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

std::string Blank3x3() { return "       \r\n       \r\n       "; }

TEST(CellState, NewCellIsEmptyWithEveryDigitOpen)
{
    const CCell cell;
    EXPECT_EQ(cell.GetValue(), 0);
    EXPECT_EQ(cell.CandidateCount(), 9);
    EXPECT_EQ(OpenDigits(cell), "123456789");
}

TEST(CellState, SetValueLeavesOnlyItsOwnDigitOpen)
{
    CCell cell;
    cell.SetValue(6);
    EXPECT_EQ(cell.GetValue(), 6);
    EXPECT_EQ(OpenDigits(cell), "6");
    EXPECT_EQ(cell.CandidateCount(), 1);
}

TEST(CellState, SetValueZeroAndClearCellEmptyAFilledCellAndOpenAllDigits)
{
    CCell viaZero;
    viaZero.SetValue(3);
    viaZero.SetValue(0);
    CCell viaClear;
    viaClear.SetValue(3);
    viaClear.ClearCell();
    for (const CCell* cell : {&viaZero, &viaClear}) {
        EXPECT_EQ(cell->GetValue(), 0);
        EXPECT_EQ(OpenDigits(*cell), "123456789");
    }
}

TEST(CellState, RuleOutOnlyReportsDigitsThatWereOpen)
{
    CCell cell;
    EXPECT_TRUE(cell.RuleOut(DigitBit(2) | DigitBit(7)));
    EXPECT_FALSE(cell.RuleOut(DigitBit(2)));
    EXPECT_TRUE(cell.RuleOut(DigitBit(2) | DigitBit(9)));
    EXPECT_EQ(OpenDigits(cell), "134568");
}

TEST(CellState, CellsWithTheSameCandidatesHaveEqualMasks)
{
    CCell a;
    CCell b;
    a.RuleOut(kAllDigits & ~(DigitBit(4) | DigitBit(6)));
    b.RuleOut(DigitBit(1) | DigitBit(2) | DigitBit(3));
    EXPECT_NE(a.CandidateMask(), b.CandidateMask());
    b.RuleOut(DigitBit(5) | DigitBit(7) | DigitBit(8) | DigitBit(9));
    EXPECT_EQ(a.CandidateMask(), b.CandidateMask());
    EXPECT_EQ(a.CandidateCount(), 2);
}

TEST(CellDisplay, FilledCellShowsItsDigitAtTheSizeOfADigit)
{
    CCell cell;
    cell.SetValue(7);
    EXPECT_EQ(cell.DisplayText(), "7");
    EXPECT_FALSE(cell.ShowsCandidates());
}

TEST(CellDisplay, UntouchedEmptyCellShowsNothing)
{
    CCell cell;
    cell.SetValue(5);
    cell.SetValue(0);
    EXPECT_EQ(cell.DisplayText(), "");
    EXPECT_FALSE(cell.ShowsCandidates());
    cell.SetValue(8);
    cell.ClearCell();
    EXPECT_EQ(cell.DisplayText(), "");
}

TEST(CellDisplay, OpenDigitsStandAtTheirKeypadPlacesInSmallPrint)
{
    CCell cell;
    cell.RuleOut(DigitBit(3) | DigitBit(4) | DigitBit(6) | DigitBit(7) | DigitBit(8));
    EXPECT_EQ(cell.DisplayText(), "1  2   \r\n   5   \r\n      9");
    EXPECT_TRUE(cell.ShowsCandidates());
}

TEST(CellDisplay, OneDigitRuledOutLeavesOneBlankPlace)
{
    CCell cell;
    cell.RuleOut(DigitBit(5));
    EXPECT_EQ(cell.DisplayText(), "1  2  3\r\n4     6\r\n7  8  9");
    EXPECT_TRUE(cell.ShowsCandidates());
}

TEST(CellDisplay, ContradictionShowsABlankGrid)
{
    CCell cell;
    cell.RuleOut(kAllDigits);
    EXPECT_EQ(cell.DisplayText(), Blank3x3());
    EXPECT_TRUE(cell.ShowsCandidates());
}

TEST(CellDisplay, EveryWriteButRulingOutUpdatesTheDisplay)
{
    CCell cell;
    const auto updated = [&cell] { return cell.TakeDisplayChange(); };
    cell.RuleOut(DigitBit(1));
    EXPECT_FALSE(updated());
    cell.SetValue(2);
    EXPECT_TRUE(updated());
    EXPECT_FALSE(updated());
    cell.ClearCell();
    EXPECT_TRUE(updated());
    cell.Place(4, Fill::Single);
    EXPECT_TRUE(updated());
    cell.Restore(CCell().State());
    EXPECT_TRUE(updated());
}

} // namespace
