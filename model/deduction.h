// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

// One deduction step on the cell at (row, column) of grid; row and column
// are 0 to 8. Rules out, for that cell only, every digit that these rules
// exclude, in this order:
//   1-3. a digit placed elsewhere in its row, column or box;
//   4.   a digit that one of the other two boxes of its band of rows has
//        ruled out in all six of its cells outside the cell's row;
//   5.   the same for the other two boxes of its band of columns;
//   6-7. both digits of two other cells of its row (then of its column)
//        that have the same two candidates and no others;
// then places the digit when only one is left open (8), or else the lowest
// open digit that is ruled out in the other eight cells of its box (9).
// A cell that is filled when the call begins is left alone. Reads other
// cells' flags as they stand, so the result depends on which cells have
// been worked on before. Writes only the target cell, rewriting its display
// when it changed. Returns true when the cell gained a ruled-out digit or a
// value.
bool UpdateCell(Grid& grid, int row, int column);
