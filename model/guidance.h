// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"
#include "deduction.h"

#include <array>
#include <utility>
#include <vector>

// What to look at next, and what is wrong: worked out on the board as it
// stands, without changing it.

// The next cell to fill, by the easiest rules that fill any: sweeps over a
// copy of the grid, in the usual order, with the rules of the first level
// (Rules::Singles), until a cell gets a value; where those come to rest
// first, the same from the grid again with the rules of the next level
// (BoxAndLine), and then with all of them. cell is -1 when even all the
// rules come to rest first.
struct CHint {
    int cell = -1;
    int digit = 0;
    Fill how = Fill::Given;
    // The rules that fill it.
    Rules rules = Rules::All;
    // The sweep of those rules that fills it: 1 for the first.
    int sweep = 0;
    // How many presses of Pass (all the rules) fill the cell with that
    // digit: as many as sweep or fewer, since more rules never get less
    // far on a board that has a solution; 0 where Pass never does (on a
    // board without one).
    int passes = 0;
    // The digits the sweeps ruled out of that cell on the way, in the order
    // they went, with their reasons; the cell's earlier ones are in grid.
    std::vector<std::pair<int, CReason>> steps;
    // The copy at the moment the cell was filled: the cell with every
    // reason it keeps, and what its explanation rests on.
    Grid grid{};
};
CHint FindHint(const Grid& grid);

// The pencil marks a sweep has left behind: for each empty cell that shows
// pencil marks, the digits still open in it that stand in its row, column
// or box already. A sweep works cell by cell, so a cell it visits early
// keeps a digit that a later cell of the same sweep (or a typed digit)
// placed beside it; the next visit rules it out. None for other cells.
using CellMasks = std::array<DigitMask, kCellCount>;
CellMasks LeftBehindMarks(const Grid& grid);
// The same for one cell.
DigitMask LeftBehindMarks(const Grid& grid, int index);
// The first cell, in board order, of index's row, column or box that holds
// digit; -1 for none.
int FirstHolder(const Grid& grid, int index, int digit);

// What contradicts itself in a cell: other cells of its row, column or box
// that hold its digit, or, for an empty cell, no digit left open.
struct CConflict {
    std::vector<int> sameDigit; // board order
    bool noDigitLeft = false;
    bool Any() const { return noDigitLeft || !sameDigit.empty(); }
};
using Conflicts = std::array<CConflict, kCellCount>;
Conflicts FindConflicts(const Grid& grid);
// True when any cell of conflicts has one.
bool Contradicts(const Conflicts& conflicts);
// The other cells of index's row, column and box that hold its digit, in
// board order; none for an empty cell.
std::vector<int> SameDigitPeers(const Grid& grid, int index);

// The givens of grid: the digits of the cells filled as Given (typed
// before the puzzle arrived, loaded, pasted, made, set or reset), 0
// elsewhere; the person's entries and the deduction's digits are none.
Values Givens(const Grid& grid);

// True when the given digits of grid (not the person's entries, not those
// the deduction found) admit no solution at all, by a complete count
// (CountSolutions), not by the rules alone, which may not see it.
bool GivensContradict(const Grid& grid);

// Who is to blame when a cell has no digit left, by complete counts: the
// givens, when they have no solution; else the person's entries, when the
// givens have none together with them. Each entry that alone, with the
// givens, leaves no solution is named; where none does, it is the entries
// together. Otherwise no one: the board has changed since the digits went.
struct CBlame {
    enum class Who { NoOne, Givens, Entries } who = Who::NoOne;
    std::vector<int> entries; // Entries: the entries named, in board order
    bool anyEntries = false;  // the grid holds entries at all
};
CBlame Blame(const Grid& grid);

// How the person's entries stand against the puzzle's solution, when the
// givens have exactly one: which of them differ from it.
struct CEntryCheck {
    bool oneSolution = false;   // the givens have exactly one solution
    int entries = 0;            // cells filled as Entered
    std::vector<int> differing; // board order; only with oneSolution
};
CEntryCheck CheckEntries(const Grid& grid);
