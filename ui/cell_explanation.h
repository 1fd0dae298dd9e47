// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "explanation.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Why a cell stands as it does, in plain words: what it holds or may still
// hold, then one line for each digit a rule ruled out of it (see
// ExplainCell). Rows, columns and boxes count from 1; a box is also named by
// where it lies ("box 4 (middle left)"). Each line that rests on a technique
// learners look up elsewhere names it beside the plain sentence ("(naked
// single)", "(hidden single)", "(pointing)", "(naked pair)"); a digit ruled
// out because it stands in the row, column or box already rests on the
// puzzle's own rule, and names none.
//
// Every line is true of the grid as it is now. A line tells a kept reason
// in the present tense when its evidence still stands on the grid ("5 is
// ruled out: row 3 holds 5 already, in column 7"), and in the past tense
// when it is a record of a moment that has passed: a pair (its cells have
// usually filled since), a fill, or evidence that an edit has undone since,
// which the line then says ("No longer so: row 3, column 7 is empty now").
// When anything no longer stands, a last line says how to count again.
// What contradicts the board is said right after the first line ("5 also
// stands in row 3, column 7").
//
// Each line that rests on other cells has a mark, a letter from A, which
// the window repeats on those cells' outlines.
struct CExplanation {
    struct CLine {
        QString text;
        QChar mark;             // null for a line that cites no cell
        std::vector<int> cited; // board indices, in board order
    };
    QString title;            // the cell's place: "Row 3, column 3"
    std::vector<CLine> lines; // none for an empty cell with nothing ruled out
    // For each cell, the marks of the lines that cite it, in line order
    // ("AC"); empty for a cell no line cites.
    std::array<QString, kCellCount> marks;
    // The lines' texts, one per line: what a screen reader reads.
    QString Text() const;
};

// How the first line tells a filled cell: as found, or, for the hint on
// the copy of the board where it is filled, as the digit that goes there.
enum class Telling { Found, Hint };
CExplanation Explain(const Grid& grid, int index, Telling telling = Telling::Found);

// The words every message about the board shares: "row 3, column 5" for a
// board index, "3", "3 and 8" or "3, 5 and 8" for the digits of a mask,
// and such a list of any words.
QString PlaceWords(int cell);
QString DigitWords(DigitMask digits);
QString ListWords(QStringList words);
