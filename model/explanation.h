// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <vector>

// Why one cell of a grid stands as it does, as statements for the window to
// put into words: first what the cell holds or may still hold, then what
// contradicts the board, then, for an empty cell, the pencil marks it keeps
// that stand beside it already, and one statement for each digit a rule
// ruled out of it, by digit. A cell filled because its digit had no other
// place in its box says instead, for each other empty cell of the box, why
// the digit cannot go there: that, not the cell's own ruled-out digits, is
// what placed it.
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
//                      box's other eight cells has d open now (those are
//                      the ones it cites).
// A fill because one digit was left rests on the cell's own ruled-out
// digits, each told by its own statement.
//
// What contradicts the board comes right after the first statement, as it
// is now: each other cell of the row, column or box that holds the cell's
// digit too, and, for an empty cell with nothing left open, who is to blame
// (see Blame): the givens, the person's entries, or no one any more.
//
// Built from the grid alone, so it explains any grid: the working one or a
// copy of it.
enum class Statement : std::uint8_t {
    StillPossible,              // empty cell; digits: its open digits that stand nowhere beside it
    Given,                      // holds digit, on the board when the puzzle arrived
    Entered,                    // holds digit, typed by the person since
    FoundSingle,                // holds digit: it was the only one left open
    FoundOnlyInBox,             // holds digit: the box's other eight cells had it ruled out
    LeftBehind,                 // digit open in the empty cell, though cited holds it: the next Pass rules it out
    CannotGoThere,              // after FoundOnlyInBox: digit cannot go in the box's cell about, by reason
    RuledOut,                   // digit ruled out by reason
    RuledOutWithoutReason,      // an empty cell's digit ruled out with no reason kept
    AlsoStands,                 // digit, the cell's, stands in cited too: a contradiction
    NoDigitLeft,                // empty, nothing open, and the givens have no solution
    NoDigitLeftByEntries,       // empty, nothing open, the givens have a solution but not with the
                                // entries; cited: the entries that alone leave none (maybe none)
    NoDigitLeftYetGivensAllow,  // empty, nothing open, though the givens (there are no entries) have a solution
    NoDigitLeftYetEntriesAllow, // the same, though the givens and the entries have a solution
};

struct CExplanationLine {
    Statement what = Statement::StillPossible;
    int digit = 0;           // the cell's digit, or the one ruled out
    DigitMask digits = 0;    // StillPossible: the open digits
    CReason reason{};        // RuledOut, CannotGoThere (rule None: no reason kept)
    std::vector<int> cited;  // the cells the statement rests on, in board order
    std::vector<int> lapsed; // those of cited that no longer bear it out
    int about = -1;          // CannotGoThere: the other cell of the box
};

struct CCellExplanation {
    std::vector<CExplanationLine> lines; // none for an empty cell with nothing ruled out
    bool AnyLapsed() const;
};

CCellExplanation ExplainCell(const Grid& grid, int index);
