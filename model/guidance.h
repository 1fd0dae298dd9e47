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

// The next cell the deduction fills if Pass is pressed again and again:
// sweeps over a copy of the grid, in the usual order, until a cell gets a
// value. cell is -1 when the sweeps come to rest first.
struct CHint {
    int cell = -1;
    int digit = 0;
    Fill how = Fill::Given;
    // The sweep that fills it: 1 for the next Pass, 2 for the one after.
    int sweep = 0;
    // The digits the sweeps ruled out of that cell on the way, in the order
    // they went, with their reasons; the cell's earlier ones are in grid.
    std::vector<std::pair<int, CReason>> steps;
    // The copy at the moment the cell was filled: the cell with every
    // reason it keeps, and what its explanation rests on.
    Grid grid{};
};
CHint FindHint(const Grid& grid);

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

// True when the given digits of grid (those typed, loaded or restored, not
// those the deduction found) admit no solution at all, by a complete count
// (CountSolutions), not by the rules alone, which may not see it.
bool GivensContradict(const Grid& grid);
