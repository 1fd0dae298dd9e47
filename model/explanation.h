// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <vector>

// Why one cell of a grid stands as it does, as statements for the window to
// put into words: first what the cell holds or may still hold, then one
// statement for each digit a rule ruled out of it, by digit.
//
// The reasons a cell keeps are records of the moment a rule ruled a digit
// out (or filled the cell). The board may have changed since: a digit
// typed over, a cell cleared. So each statement that rests on other cells
// also says which of those cells no longer bear it out on the grid as it is
// now ("lapsed"); the rest of the evidence stands. Per rule, for digit d:
//   Row, Column, Box   the cited cell no longer holds d;
//   Band, Stack        a cited cell (the six of the box outside the cell's
//                      row or column) no longer has d ruled out; a filled
//                      cell counts as ruling out every digit but its own;
//   RowPair, ColumnPair a cited cell (one of the pair) may now hold a digit
//                      other than d and the pair's other digit, or none:
//                      its open digits are not a non-empty part of the
//                      pair. A pair cell since filled with one of the two
//                      digits still bears the rule out; one emptied by an
//                      edit does not;
//   a fill because the digit had no other place in the box: one of the
//                      box's other eight cells no longer has d ruled out.
// A fill because one digit was left rests on the cell's own ruled-out
// digits, each told by its own statement.
//
// What contradicts the board comes right after the first statement, as it
// is now: each other cell of the row, column or box that holds the cell's
// digit too, and, for an empty cell with nothing left open, whether the
// givens themselves contradict each other (have no solution at all).
//
// Built from the grid alone, so it explains any grid: the working one or a
// copy of it.
enum class Statement : std::uint8_t {
    StillPossible,         // empty cell; digits: its open digits (none in a contradiction)
    Given,                 // holds digit, typed, loaded or restored
    FoundSingle,           // holds digit: it was the only one left open
    FoundOnlyInBox,        // holds digit: the box's other eight cells had it ruled out
    RuledOut,              // digit ruled out by reason
    RuledOutWithoutReason, // an empty cell's digit ruled out with no reason kept
    AlsoStands,            // digit, the cell's, stands in cited too: a contradiction
    NoDigitLeft,           // empty, nothing open, and the givens have no solution
    NoDigitLeftYetGivensAllow, // empty, nothing open, though the givens have a solution
};

struct CExplanationLine {
    Statement what = Statement::StillPossible;
    int digit = 0;          // the cell's digit, or the one ruled out
    DigitMask digits = 0;   // StillPossible: the open digits
    CReason reason{};       // RuledOut
    std::vector<int> cited; // the cells the statement rests on, in board order
    std::vector<int> lapsed; // those of cited that no longer bear it out
};

struct CCellExplanation {
    std::vector<CExplanationLine> lines; // none for an empty cell with nothing ruled out
    bool AnyLapsed() const;
};

CCellExplanation ExplainCell(const Grid& grid, int index);
