// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <array>
#include <cstdint>

// Told of every step the deduction takes, in the order it takes them: the
// digits one call rules out in rule order (Row first, ColumnPair last; by
// digit within a rule), then its fill, if any.
class CDeductionObserver {
public:
    virtual ~CDeductionObserver() = default;
    virtual void OnRuledOut(int cell, int digit, const CReason& reason) = 0;
    virtual void OnFilled(int cell, int digit, Fill how) = 0;
};

// The deduction over one grid for as long as nothing but the deduction
// itself changes the grid's cells: a sweep, a run of sweeps, or one step.
//
// UpdateCell(row, column) is one deduction step on that cell; row and
// column are 0 to 8. It rules out, for that cell only, every digit that
// these rules exclude, in this order:
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
//
// With each digit it rules out, the cell keeps the first of the rules above
// that rules it out and that rule's evidence (see CReason); a filled cell
// keeps how it was filled. The evidence of rules 1 to 3 is the first cell,
// in board order, that holds the digit; it reaches the cells when the
// object ends.
//
// What the rules read (the digits placed in each row, column and box, what
// each three-cell segment of a box has ruled out in all its cells, the
// pairs of each row and column) is counted once from the grid when the
// object is made and then kept up to date as the target cells change, so a
// step reads a few masks instead of the board. That is only sound while no
// one else writes the cells: make a new object after any other change.
class CSweep {
public:
    explicit CSweep(Grid& grid, CDeductionObserver* observer = nullptr);
    // Hands the cells the evidence of rules 1 to 3 that it still owes them.
    ~CSweep();
    CSweep(const CSweep&) = delete;
    CSweep& operator=(const CSweep&) = delete;

    bool UpdateCell(int row, int column)
    {
        const int index = CellIndex(row, column);
        return IsEmpty(index) && UpdateEmptyCell(index);
    }
    // UpdateCell on every cell, row by row, left to right; true when any
    // cell changed. A filled cell never changes, so only the empty ones are
    // visited.
    bool Pass();

private:
    // The two-candidate cells of one row or column, counted by their pair
    // of digits (one of 36), and the digits of every pair held twice or more.
    struct CPairLine {
        void Add(int pair);
        void Remove(int pair);
        // The pairs held twice or more when one cell holding pair (or no
        // pair) is left out: a pair held by it and one other cell drops.
        std::uint64_t PairsWithout(int pair) const;
        // Their digits.
        DigitMask DigitsWithout(int pair) const;

        // The last counts "no pair", moved like the others so that a change
        // needs no test: it is only ever off by the cells that have left or
        // entered a pair since the object was made (nine at most), and has
        // no digits, so it adds none when it reaches two.
        std::array<std::int8_t, 37> count{};
        std::uint64_t twice = 0;              // bit k: pair k is held at least twice
        DigitMask digits = 0;
    };

    bool IsEmpty(int index) const { return (empty_[static_cast<std::size_t>(index / 64)] >> (index % 64) & 1) != 0; }
    bool UpdateEmptyCell(int index);
    // The cell at index has just been filled with digit.
    void NotePlaced(int index, int digit);
    // The ruled-out digits of the cell at index have just grown from before.
    void NoteExcluded(int index, DigitMask before);
    void RecordRuledOut(int index, unsigned newly, DigitMask row, DigitMask column, DigitMask box);
    void RecordRare(int index, unsigned digits);
    void RecordPairs(int index, unsigned digits, bool inRow);
    void TellObserver(int index, unsigned newly, DigitMask row, DigitMask column, DigitMask box);

    Grid& grid_;
    CDeductionObserver* observer_;
    // The grid's ruled-out masks, packed close together for the reads.
    std::array<DigitMask, kCellCount> excluded_;
    // Digits placed in each row, column and box.
    std::array<DigitMask, 9> rowPlaced_{};
    std::array<DigitMask, 9> columnPlaced_{};
    std::array<DigitMask, 9> boxPlaced_{};
    // For box b and its k-th row (column) of three cells, index 3b + k: the
    // digits ruled out in all three.
    std::array<DigitMask, 27> rowSegment_;
    std::array<DigitMask, 27> columnSegment_;
    std::array<CPairLine, 9> rowPairs_;
    std::array<CPairLine, 9> columnPairs_;
    // Bit i % 64 of word i / 64: cell i is empty.
    std::array<std::uint64_t, 2> empty_{};
    // For each row, column and box and each digit d, place d - 1: the first
    // cell in board order that holds d. A digit is only placed in a line
    // that holds it nowhere (every cell of the line has it ruled out
    // first), so the first holder never changes once there is one: it is
    // the evidence of rules 1 to 3 at any moment. Other places are unused.
    using Holders = std::array<std::array<std::uint8_t, 16>, 9>;
    Holders rowHolder_{};
    Holders columnHolder_{};
    Holders boxHolder_{};
    // The digits each cell lost to rules 1, 2 and 3 while this object looked
    // after it (bits 0, 16 and 32 up), whose notes it still owes the cell:
    // it notes each cell once, at the end, however often it changed.
    std::array<std::uint64_t, kCellCount> owed_{};
    std::array<std::uint64_t, 2> owing_{};
};

// One deduction step on the cell at (row, column) of grid, as
// CSweep::UpdateCell, for a grid that may have changed since the last one.
bool UpdateCell(Grid& grid, int row, int column);
