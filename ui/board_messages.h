// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"
#include "guidance.h"
#include "puzzle_maker.h"

#include <QString>

// What the window tells the user in words: why a Save or Load failed, and
// in one short sentence what a command changed on the board.

QString SaveFailure(const QString& path, const CFileResult& result);
QString LoadFailure(const QString& path, const CBoard::CLoadResult& result);

// What changed between two states of the board, counted for a sentence.
struct CBoardChange {
    int filled = 0;    // cells that were empty and hold a digit now
    int emptied = 0;   // cells that held a digit and are empty now
    int ruledOut = 0;  // digits newly ruled out in cells still empty
    int open = 0;      // empty cells now
    int givens = 0;    // filled cells now
};
CBoardChange CountChange(const CBoardState& before, const CBoardState& after);

// "Solve: 3 sweeps, 41 cells filled, 12 open" and the like.
QString SolveSentence(int sweeps, const CBoardChange& change);
QString PassSentence(const CBoardChange& change);
// For the Cell step on index, which now holds after.
QString CellSentence(int index, const CCellState& before, const CCellState& after);
QString BoardSentence(const QString& what, const CBoardChange& change);

// A level as the window names it: "level 3, Pairs".
QString LevelWords(Level level);
// What Check Puzzle found on the board's values, in one sentence.
QString CheckSentence(const CPuzzleCheck& check, const Values& values);

// The hint in words. Where to look and which kind of rule fills the cell
// there: "Look at row 4, column 7: one digit has no other place in its box".
QString HintPointer(const CHint& hint);
// Its digit, before the reasons: "7 goes here: the next Pass fills it, for
// these reasons".
QString HintDigit(const CHint& hint);
// What contradicts the board, for its first cell (in board order) that has
// a conflict: "The board contradicts itself: 5 stands in row 3, column 2 and
// in row 3, column 7". Empty on a sound board.
QString ContradictionSentence(const Grid& grid, const Conflicts& conflicts);
// The first cell, in board order, that contradicts the board, or -1.
int FirstConflict(const Conflicts& conflicts);
