// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"
#include "random.h"

#include <array>
#include <cstdint>

// Depth-first search for the solutions of a board: the backtracking behind
// CountSolutions, CheckPuzzle and the generator. An empty cell's open digits
// (nine bits, digit d at bit d - 1) follow from the digits placed in its
// row, column and box. Before each guess, cells with one digit left are
// filled and digits with one place left in a row, column or box are placed
// there; the guess is then made on a cell with the fewest digits left.
class CSolutionSearch {
public:
    // Starts from values (0 for an empty cell). False when the givens
    // contradict each other or a value is not 0 to 9: no solution.
    bool Load(const Values& values);
    // Leaves digit out of the empty cell at index for the searches to come;
    // false when that leaves the cell no digit, and so the board no solution.
    bool Forbid(int index, int digit);
    // Rules out the digits of excluded (a mask as CCell keeps it) of the
    // empty cell at index, as Forbid does each.
    bool ForbidAll(int index, DigitMask excluded);
    // Empties the filled cell at index, as if it had been loaded empty.
    void Erase(int index);

    // What Load, Forbid and Erase have set up, to start again from it with
    // Restore instead of loading the same board again.
    struct CStart;
    CStart Saved() const;
    void Restore(const CStart& start);

    // Counts the solutions of what was loaded, stopping at limit (at least
    // 1). The first found, if any, goes to *first, if given.
    int Count(int limit, Values* first = nullptr);
    // Finds one solution, trying the digits of each guess in an order drawn
    // from random: a random solution grid from an empty board.
    bool FindRandom(CRandom& random, Values& solution);

private:
    // What a guess copies: the digits placed, the digits placed in each
    // row, column and box (units 0-8, 9-17, 18-26), and each empty cell's
    // open digits as last worked out.
    struct CState {
        std::array<std::uint8_t, kCellCount> value;
        std::array<std::uint16_t, 27> placed;
        // 0 for a filled cell.
        std::array<std::uint16_t, kCellCount> open;
        // One bit per empty cell, cell i at bit i % 64 of word i / 64.
        std::uint64_t empty[2];
    };

    // The digits the placed ones and Forbid leave the cell.
    std::uint16_t OpenDigits(const CState& s, int index) const;
    void Place(CState& s, int index, std::uint16_t bit);
    // Fills what singles and the only places of digits decide; false on a
    // contradiction. Looks only at what changed since the state was last
    // worked out (changed_, touched_): the cells whose neighbours were
    // placed, and the units whose cells lost digits.
    bool Propagate(CState& s);
    // Searches on from states_[0], with everything still to work out.
    void SearchAll();
    void Search(int depth);

    // Digits each cell may take besides what the placed digits allow:
    // all nine but those ruled out by Forbid.
    std::array<std::uint16_t, kCellCount> allowed_{};
    CState start_{};
    bool impossible_ = false;
    int limit_ = 1;
    int found_ = 0;
    Values* first_ = nullptr;
    CRandom* random_ = nullptr;
    // Cells next to one placed since their open digits were worked out.
    std::uint64_t changed_[2] = {0, 0};
    // Units (bit u for unit u) with a cell whose open digits changed since
    // the only places of digits were last looked for.
    std::uint32_t touched_ = 0;

public:
    struct CStart {
        CState state;
        std::array<std::uint16_t, kCellCount> allowed;
        bool impossible;
    };

private:
    // One state per depth of guessing: at most one guess per cell.
    std::array<CState, kCellCount + 1> states_;
};
