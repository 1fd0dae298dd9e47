// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"
#include "cell_explanation.h"
#include "guidance.h"
#include "puzzle_maker.h"
#include "puzzle_text.h"

#include <QString>

// What the window tells the user in words: why a Save or Load failed, and
// in one short sentence what a command changed on the board.

QString SaveFailure(const QString& path, const CFileResult& result);
QString LoadFailure(const QString& path, const CBoard::CLoadResult& result);
// Why pasted text is no puzzle, as the window says it.
QString PasteRefusal(const CPasteRefusal& why);

// What changed between two states of the board, counted for a sentence.
struct CBoardChange {
    int filled = 0;   // cells that were empty and hold a digit now
    int emptied = 0;  // cells that held a digit and are empty now
    int ruledOut = 0; // digits newly ruled out in cells still empty
    int open = 0;     // empty cells now
    int givens = 0;   // filled cells now
};
CBoardChange CountChange(const CBoardState& before, const CBoardState& after);

// "Solve: 3 sweeps, 41 cells filled, 12 open" and the like.
QString SolveSentence(int sweeps, const CBoardChange& change);
QString PassSentence(const CBoardChange& change);
// For the Cell step on index, which now holds after.
QString CellSentence(int index, const CCellState& before, const CCellState& after);
// How a whole board arrived, for the sentence that counts its cells.
enum class Arrival { Reset, Paste, Drop, Load, NewPuzzle };
// "Reset: 26 cells filled, 55 open"; detail is the file's name for Load,
// the level's words for NewPuzzle.
QString BoardSentence(Arrival how, const CBoardChange& change, const QString& detail = {});
// The command's name, as the undo history shows it.
QString ArrivalName(Arrival how);

// A level as the window names it, with the techniques it takes in the
// words learners look up elsewhere: "level 3, Pairs (naked pairs)".
QString LevelWords(Level level);
// What Check Puzzle found on the board's values, in one sentence.
QString CheckSentence(const CPuzzleCheck& check, const Values& values);
// sentence, and after it how the person's entries stand against the
// puzzle's solution where there is exactly one ("2 of your 9 entries differ
// from the solution"), with how to have them outlined.
QString WithEntries(const QString& sentence, const CEntryCheck& entries);
// The entries that differ from the solution, one line each, citing its cell.
CExplanation DifferingEntries(const Grid& grid, const CEntryCheck& entries);

// The hint in words. Where to look and which kind of rule fills the cell
// there: "Look at row 4, column 7: one digit has no other place in its box
// (hidden single)".
QString HintPointer(const CHint& hint);
// The same for the cell it points at, which names itself already.
QString HintHere(const CHint& hint);
// How many presses of Pass fill it: "The next Pass fills it", "Two Passes
// fill it"; empty where Pass does not.
QString HintPasses(const CHint& hint);
// Where the rules fill no further cell, what that means for the board:
// solved, no solution, more than one, or a puzzle beyond the rules.
QString NothingToFill(const Grid& grid);
// What contradicts the board, for its first cell (in board order) that has
// a conflict: "The board contradicts itself: 5 stands in row 3, column 2 and
// in row 3, column 7", naming the person's entry where one is involved
// ("your 5 in row 3, column 2 clashes with the 5 in row 3, column 7") or
// to blame for a cell with no digit left. Empty on a sound board.
QString ContradictionSentence(const Grid& grid, const Conflicts& conflicts);
// The first cell, in board order, that contradicts the board, or -1.
int FirstConflict(const Conflicts& conflicts);
