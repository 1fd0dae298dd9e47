// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>

// Depth-first search for the solutions of a board: the backtracking behind
// CountSolutions, CheckPuzzle and the generator.
//
// The board is kept digit by digit: for each digit, the set of cells that
// may still hold it (its placed cells among them), three 27-bit words, one
// per band of three rows, cell i at bit i % 27 of word i / 27, held in one
// vector of four words (the fourth always 0) so that one instruction works
// on all three bands. Placing a digit clears its row, column and box from
// the digit's set and the cell from the other digits' sets. A single is
// found for all cells at once, by counting the digits' sets bit by bit; the
// only places of a digit by its rows, boxes and columns folded together.
// Digits are at bit d - 1 for digit d. Before each guess, cells with one
// digit left and digits with one place left in a row, column or box are
// placed; a cell with no digit, or a digit with no place in a unit, ends
// the branch. The guess is then made on whatever has fewest options: a
// cell's digits, or a digit's places in a row, column or box, alike.
// Choosing among the places of digits settles at once the sparse boards on
// which guessing cells alone goes exponential (a digit that must go in one
// of two places of a box, while every cell still has four digits).
class CSolutionSearch {
public:
    // Starts from values (0 for an empty cell). False when the givens
    // contradict each other or a value is not 0 to 9: no solution.
    bool Load(const Values& values);
    // Starts from each cell's ruled-out digits (masks as CCell keeps them):
    // the solutions counted are the fillings in which no cell holds a digit
    // ruled out of it. A cell Solve has filled has every digit but its own
    // ruled out; all are loaded at once, without a given's bookkeeping, as
    // the grade needs them. Forbid and Erase do not apply to such a start.
    void LoadExcluded(std::span<const DigitMask, kCellCount> excluded);
    // Leaves digit out of the empty cell at index for the searches to come;
    // false when that leaves the cell no digit, and so the board no solution.
    bool Forbid(int index, int digit);
    // Rules out the digits of excluded (a mask as CCell keeps it, which is
    // the search's own order) of the empty cell at index, as Forbid does
    // each.
    bool ForbidAll(int index, DigitMask excluded);
    // Empties the filled cell at index, as if it had been loaded empty.
    void Erase(int index);
    // Fills the empty cell at index with digit, as if it had been loaded
    // so; false, as Load, when that gives a digit twice in a unit.
    bool Give(int index, int digit);

    // What Load, Forbid and Erase have set up, to start again from it with
    // Restore instead of loading the same board again.
    struct CStart;
    CStart Saved() const;
    void Restore(const CStart& start);

    // Counts the solutions of what was loaded, stopping at limit (at least
    // 1). The first found, if any, goes to *first, if given.
    int Count(int limit, Values* first = nullptr);
    // Finds one solution, the first, into first, trying first at each guess
    // the option that agrees with near: a solution that differs from near
    // in few cells, found in few guesses when near almost fits.
    bool FindNear(const Values& near, Values& first);
    // Finds one solution, trying the options of each guess in an order
    // drawn from random: a random solution grid from an empty board.
    bool FindRandom(CRandom& random, Values& solution);
    // Guesses made by the last Count or FindRandom: how hard the board was.
    long Guesses() const { return guesses_; }

    // A set of cells band by band: cell i at bit i % 27 of word i / 27.
    using Bands = std::array<std::uint32_t, 3>;
    // The same in a vector, with a fourth word of 0.
    using Cells = std::uint32_t __attribute__((vector_size(16)));

private:
    // What a guess copies: each digit's cells (digit d at index d - 1) and
    // the cells not yet filled.
    struct CState {
        std::array<Cells, 9> digit;
        Cells open;
    };

    void Place(CState& s, int digit, int index);
    // Places what singles decide, looking for the only places of the
    // digits in dirty (bit d - 1 for digit d); false on a contradiction.
    bool Propagate(CState& s, unsigned dirty);
    bool PlaceNakedSingles(CState& s, bool& placed);
    bool PlaceHiddenSingles(CState& s, int digit, bool& placed);
    void Search(int depth, unsigned dirty);
    void Solved(const CState& s);
    void SearchAll();

    // Digits whose cells Place has changed since the only places of digits
    // were last looked for (bit d - 1 for digit d).
    unsigned dirty_ = 0;
    // While the first look for the only places of digits checks that the
    // cells LoadExcluded started placed are alone in their units; set
    // when one is not.
    bool settling_ = false;
    bool unsettled_ = false;
    int limit_ = 1;
    int found_ = 0;
    long guesses_ = 0;
    Values* first_ = nullptr;
    CRandom* random_ = nullptr;
    const Values* near_ = nullptr;

public:
    // The board as loaded: the givens, by cell, by unit (digit d at bit
    // d - 1) and by digit (the cells of its givens and the cells they rule
    // it out of), and the digits Forbid ruled out of each cell, in the
    // same order, with the cells that have any.
    struct CStart {
        // All empty: zeroed as one block, which costs a tenth of zeroing
        // each member on its own (a search is made for every grade).
        CStart() { std::memset(static_cast<void*>(this), 0, sizeof *this); }
        std::array<std::uint8_t, kCellCount> value;
        std::array<std::uint16_t, kUnitCount> placed;
        std::array<Cells, 9> given;
        std::array<Cells, 9> blocked;
        std::array<std::uint16_t, kCellCount> forbidden;
        CCellSet forbiddenCells;
        bool impossible;
        // Set by LoadExcluded instead of all the above, which then starts
        // from openDigits_.
        bool fromOpen;
    };

private:
    CStart start_;
    // What LoadExcluded loaded: each digit's open cells.
    std::array<Cells, 9> openDigits_;
    // One state per depth of guessing: at most one guess per cell.
    std::array<CState, kCellCount + 1> states_;
};
