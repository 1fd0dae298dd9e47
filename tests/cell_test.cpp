// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

struct BoundCell {
    BoundCell()
    {
        cell.AttachControl(&control);
        cell.AttachFonts(kValueFont, kCandidateFont);
    }
    CCell cell;
    CRecordingControl control;
};

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

TEST(CellDisplay, FilledCellShowsItsDigitInTheValueFont)
{
    BoundCell b;
    b.cell.SetValue(7);
    EXPECT_EQ(b.control.CellText(), "7");
    EXPECT_EQ(b.control.Font(), kValueFont);
}

TEST(CellDisplay, UntouchedEmptyCellShowsNothingInTheValueFont)
{
    BoundCell b;
    b.cell.SetValue(5);
    b.cell.SetValue(0);
    EXPECT_EQ(b.control.CellText(), "");
    EXPECT_EQ(b.control.Font(), kValueFont);
}

TEST(CellDisplay, OpenDigitsStandAtTheirKeypadPlacesInTheCandidateFont)
{
    BoundCell b;
    b.cell.RuleOut(DigitBit(3) | DigitBit(4) | DigitBit(6) | DigitBit(7) | DigitBit(8));
    b.cell.UpdateDisplay();
    EXPECT_EQ(b.control.CellText(), "1  2   \r\n   5   \r\n      9");
    EXPECT_EQ(b.control.Font(), kCandidateFont);
}

TEST(CellDisplay, OneDigitRuledOutLeavesOneBlankPlace)
{
    BoundCell b;
    b.cell.RuleOut(DigitBit(5));
    b.cell.UpdateDisplay();
    EXPECT_EQ(b.control.CellText(), "1  2  3\r\n4     6\r\n7  8  9");
    EXPECT_EQ(b.control.Font(), kCandidateFont);
}

TEST(CellDisplay, ContradictionShowsABlankGridInTheCandidateFont)
{
    BoundCell b;
    b.cell.RuleOut(kAllDigits);
    b.cell.UpdateDisplay();
    EXPECT_EQ(b.control.CellText(), Blank3x3());
    EXPECT_EQ(b.control.Font(), kCandidateFont);
}

TEST(CellDisplay, EveryWriteSendsTheFontFirstThenTheText)
{
    BoundCell b;
    b.cell.SetValue(2);
    b.cell.ClearCell();
    ASSERT_EQ(b.control.writes.size(), 4u);
    EXPECT_EQ(b.control.writes[0].kind, CRecordingControl::Write::Font);
    EXPECT_EQ(b.control.writes[1].kind, CRecordingControl::Write::Text);
    EXPECT_EQ(b.control.writes[1].text, "2");
    EXPECT_EQ(b.control.writes[2].kind, CRecordingControl::Write::Font);
    EXPECT_EQ(b.control.writes[3].text, "");
}

TEST(CellDisplay, MissingFontsAreSentAsHandleZero)
{
    CCell cell;
    CRecordingControl control;
    cell.AttachControl(&control);
    cell.SetValue(4);
    EXPECT_EQ(control.writes.front().font, kNoFont);
    EXPECT_EQ(control.CellText(), "4");
}

TEST(CellDisplay, RulingOutDoesNotRewriteTheDisplayByItself)
{
    BoundCell b;
    b.cell.RuleOut(DigitBit(1));
    EXPECT_TRUE(b.control.writes.empty());
}

TEST(CellDisplay, UnboundCellChangesOnlyItsOwnState)
{
    CCell cell;
    cell.SetValue(8);
    cell.ClearCell();
    cell.UpdateDisplay();
    EXPECT_EQ(cell.GetValue(), 0);
    EXPECT_EQ(cell.DisplayText(), "");
}

TEST(CellReadFromControl, OneDigitIsTakenAsTheValue)
{
    BoundCell b;
    b.control.Type("7");
    EXPECT_EQ(b.cell.ReadFromControl(), 7);
    EXPECT_EQ(b.cell.GetValue(), 7);
}

TEST(CellReadFromControl, AnythingButOneDigitGivesZero)
{
    for (const std::string text : {"", "1  2   \r\n   5   \r\n      9", "a", "-", "12", " "}) {
        BoundCell b;
        b.cell.SetValue(3);
        b.control.Type(text);
        EXPECT_EQ(b.cell.ReadFromControl(), 0) << '"' << text << '"';
        EXPECT_EQ(b.cell.GetValue(), 0);
    }
}

TEST(CellReadFromControl, LeavesFlagsAndDisplayAlone)
{
    BoundCell b;
    b.cell.RuleOut(DigitBit(2) | DigitBit(5));
    b.control.Type("9");
    b.cell.ReadFromControl();
    EXPECT_EQ(OpenDigits(b.cell), "1346789");
    EXPECT_TRUE(b.control.writes.empty());
}

TEST(CellReadFromControl, WithoutAControlReturnsTheValueUnchanged)
{
    CCell cell;
    cell.SetValue(5);
    EXPECT_EQ(cell.ReadFromControl(), 5);
    EXPECT_EQ(cell.GetValue(), 5);
}

} // namespace
