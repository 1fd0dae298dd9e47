// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <memory>

// Told of every step the deduction takes, in the order it takes them: the
// digits one call rules out in rule order (Row first, ColumnPair last; by
// digit within a rule), then its fill, if any.
class CDeductionObserver {
public:
    virtual ~CDeductionObserver() = default;
    virtual void OnRuledOut(int cell, int digit, const CReason& reason) = 0;
    virtual void OnFilled(int cell, int digit, Fill how) = 0;
};

// Whether a sweep keeps, in each cell, why each digit went (CCell::Reason).
// The window shows reasons at any time and --explain prints them; a caller
// that only wants the resulting board skips them and runs faster.
enum class Reasons { Kept, Skipped };

// Which of the rules below a sweep applies: rules 1 to 3, 8 and 9 always;
// rules 4 and 5 from BoxAndLine on; the pairs of rules 6 and 7 with All.
// Fewer rules are for grading a puzzle and for finding the easiest hint;
// Pass, Solve and Cell use all.
enum class Rules { Singles, BoxAndLine, All };

// The deduction over one grid for as long as nothing but the deduction
// itself changes the grid's cells: a sweep, a run of sweeps, or one step.
//
// UpdateCell(row, column) is one deduction step on that cell; row and
// column are 0 to 8. It rules out, for that cell only, every digit that
// these rules exclude, in this order:
//   1-3. a digit placed elsewhere in its row, column or box;
//   4.   a digit that one of the other two boxes of its band of rows has
//        ruled out in all six of its cells outside the cell's row;
//   5.   the same for the other two boxes of its stack of columns;
//   6-7. both digits of two other cells of its row (then of its column)
//        that have the same two candidates and no others;
// then places the digit when only one is left open (8), or else the lowest
// open digit that is ruled out in the other eight cells of its box (9).
// A cell that is filled when the call begins is left alone. Reads other
// cells' flags as they stand, so the result depends on which cells have
// been worked on before. Writes only the target cell, rewriting its display
// when it changed. Returns true when the cell gained a ruled-out digit or a
// value.
//
// With fewer rules than All, the rules left out rule out nothing; the
// others are applied exactly as above, over what the sweep itself has
// ruled out.
//
// With Reasons::Kept, each digit ruled out keeps in the cell the first of
// the rules above that rules it out and that rule's evidence (see CReason),
// and a filled cell keeps how it was filled; the evidence of rules 1 to 3
// reaches the cells when the object ends. With Reasons::Skipped the cells
// keep how they were filled but no new reason: the board is the same, the
// reasons are not to be read.
//
// What the rules read is counted once from the grid when the object is made
// and then kept up to date as the target cells change. That is only sound
// while no one else writes the cells: make a new object after any other
// change.
template <Reasons kReasons, Rules kRules = Rules::All>
class CSweepOf {
public:
    explicit CSweepOf(Grid& grid);
    // The observer is told of every step; only a sweep that keeps reasons
    // can tell them.
    CSweepOf(Grid& grid, CDeductionObserver* observer) requires(kReasons == Reasons::Kept);
    ~CSweepOf();
    CSweepOf(const CSweepOf&) = delete;
    CSweepOf& operator=(const CSweepOf&) = delete;

    bool UpdateCell(int row, int column);
    // UpdateCell on every cell, row by row, left to right; true when any
    // cell changed.
    bool Pass();

private:
    class CState;
    std::unique_ptr<CState> state_;
};

extern template class CSweepOf<Reasons::Kept>;
extern template class CSweepOf<Reasons::Kept, Rules::Singles>;
extern template class CSweepOf<Reasons::Kept, Rules::BoxAndLine>;
extern template class CSweepOf<Reasons::Skipped>;
extern template class CSweepOf<Reasons::Skipped, Rules::Singles>;
extern template class CSweepOf<Reasons::Skipped, Rules::BoxAndLine>;
using CSweep = CSweepOf<Reasons::Kept>;
using CSweepWithoutReasons = CSweepOf<Reasons::Skipped>;

// One deduction step on the cell at (row, column) of grid, as
// CSweep::UpdateCell, for a grid that may have changed since the last one.
bool UpdateCell(Grid& grid, int row, int column);
