// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The deduction's rules written the plain way, for the benchmark alone: one
// puzzle at a time on flat arrays of values and ruled-out masks, with the
// digits placed in each row, column and box kept as cells are filled (as
// anyone would keep them), and every other rule worked out directly from
// the arrays for each empty cell visited. No reasons, and none of the
// engine's other bookkeeping. The yardstick for that bookkeeping: the
// benchmark checks that both give the same boards after the same number of
// sweeps before it times them.
#pragma once

#include "cell.h"

#include <bit>
#include <cstdint>

struct CPlainBoard {
    std::uint8_t value[kCellCount];
    DigitMask excluded[kCellCount];
};

namespace plain {

constexpr DigitMask kBit[10] = {0, DigitBit(1), DigitBit(2), DigitBit(3), DigitBit(4),
                                DigitBit(5), DigitBit(6), DigitBit(7), DigitBit(8), DigitBit(9)};

// For each ruled-out mask that leaves exactly two digits open, a bit of
// its own (one of 36), and those two digits by bit; no bit for any other.
constexpr auto kPairBit = [] {
    std::array<std::uint64_t, 512> bits{};
    int next = 0;
    for (unsigned excluded = 0; excluded < bits.size(); ++excluded)
        if (kDigitCount[excluded] == 7)
            bits[excluded] = std::uint64_t{1} << next++;
    return bits;
}();
constexpr auto kPairDigits = [] {
    std::array<DigitMask, 64> digits{};
    for (unsigned excluded = 0; excluded < kPairBit.size(); ++excluded)
        if (kPairBit[excluded] != 0)
            digits[static_cast<std::size_t>(std::countr_zero(kPairBit[excluded]))] =
                static_cast<DigitMask>(~excluded & kAllDigits);
    return digits;
}();

// Where the rules of each cell look, worked out once for all 81: the first
// of the three cells across of each row segment (three cells down of each
// column segment) that a rule reads.
struct CPlace {
    std::uint8_t box;
    // Rule 4: the other two boxes of the band, each in the band's other two rows.
    std::uint8_t band[2][2];
    // Rule 5: the other two boxes of the stack, each in the stack's other two columns.
    std::uint8_t stack[2][2];
    // Rule 9: the cell's own box in its other two rows, and the other two
    // cells of its row in the box.
    std::uint8_t boxRows[2], rowMates[2];
};

constexpr auto kPlaces = [] {
    // The other two of 0, 1, 2.
    constexpr int kOther[3][2] = {{1, 2}, {0, 2}, {0, 1}};
    std::array<CPlace, kCellCount> places{};
    const auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            CPlace& p = places[static_cast<std::size_t>(CellIndex(row, column))];
            const int row0 = row / 3 * 3, column0 = column / 3 * 3;
            p.box = u8(row0 + column / 3);
            for (int k = 0; k < 2; ++k) {
                const int otherRow = row0 + kOther[row % 3][k], otherColumn = column0 + kOther[column % 3][k];
                const int otherBand = 3 * kOther[column / 3][k], otherStack = 3 * kOther[row / 3][k];
                for (int j = 0; j < 2; ++j) {
                    p.band[k][j] = u8(CellIndex(row0 + kOther[row % 3][j], otherBand));
                    p.stack[k][j] = u8(CellIndex(otherStack, column0 + kOther[column % 3][j]));
                }
                p.boxRows[k] = u8(CellIndex(otherRow, column0));
                p.rowMates[k] = u8(CellIndex(row, otherColumn));
            }
        }
    }
    return places;
}();

class CSolver {
public:
    // Loads the puzzle (0 for an empty cell) as SetValue does.
    explicit CSolver(const int* values)
    {
        for (int i = 0; i < kCellCount; ++i) {
            const int v = values[i];
            const int row = i / kBoardSize, column = i % kBoardSize;
            b.value[i] = static_cast<std::uint8_t>(v);
            b.excluded[i] = kExcludedForValue[v];
            rowPlaced_[row] |= kBit[v];
            columnPlaced_[column] |= kBit[v];
            boxPlaced_[kPlaces[static_cast<std::size_t>(i)].box] |= kBit[v];
            rowEmpty_[row] |= unsigned{v == 0} << column;
        }
    }

    // Sweeps until one changes nothing; returns how many it ran.
    int Solve()
    {
        int sweeps = 1;
        while (Pass())
            ++sweeps;
        return sweeps;
    }

    // Steps every empty cell, row by row, left to right.
    bool Pass()
    {
        bool changed = false;
        for (int row = 0; row < kBoardSize; ++row)
            for (unsigned cells = rowEmpty_[row]; cells != 0; cells &= cells - 1)
                changed |= Step(row, std::countr_zero(cells));
        return changed;
    }

    CPlainBoard b;

private:
    // The digits ruled out in all three cells from cell rightwards, and
    // from cell down.
    unsigned Across(int cell) const { return b.excluded[cell] & b.excluded[cell + 1] & b.excluded[cell + 2]; }
    unsigned Down(int cell) const
    {
        return b.excluded[cell] & b.excluded[cell + kBoardSize] & b.excluded[cell + 2 * kBoardSize];
    }

    // The digits of every two cells of the line (at first + step * k)
    // other than the cell at i that have the same two open digits: the
    // pairs held twice among all nine, less the cell's own if only it and
    // one other hold it.
    unsigned Pairs(int first, int step, int i) const
    {
        std::uint64_t seen = 0, twice = 0, thrice = 0;
#pragma GCC unroll 9
        for (int k = 0; k < kBoardSize; ++k) {
            const std::uint64_t pair = kPairBit[b.excluded[first + step * k]];
            thrice |= twice & pair;
            twice |= seen & pair;
            seen |= pair;
        }
        twice &= ~(kPairBit[b.excluded[i]] & ~thrice);
        unsigned digits = 0;
        for (; twice != 0; twice &= twice - 1)
            digits |= kPairDigits[static_cast<std::size_t>(std::countr_zero(twice))];
        return digits;
    }

    bool Step(int row, int column)
    {
        const int i = CellIndex(row, column);
        const CPlace& p = kPlaces[static_cast<std::size_t>(i)];
        const unsigned placed = rowPlaced_[row] | columnPlaced_[column] | boxPlaced_[p.box];
        const unsigned band = (Across(p.band[0][0]) & Across(p.band[0][1]))
            | (Across(p.band[1][0]) & Across(p.band[1][1]));
        const unsigned stack = (Down(p.stack[0][0]) & Down(p.stack[0][1]))
            | (Down(p.stack[1][0]) & Down(p.stack[1][1]));
        const unsigned pairs = Pairs(CellIndex(row, 0), 1, i) | Pairs(column, kBoardSize, i);
        const unsigned newly = (placed | band | stack | pairs) & ~b.excluded[i] & kAllDigits;
        b.excluded[i] = static_cast<DigitMask>(b.excluded[i] | newly);

        const unsigned open = ~b.excluded[i] & kAllDigits;
        unsigned fill = kDigitCount[open] == 1 ? open : 0;
        if (fill == 0)
            fill = Across(p.boxRows[0]) & Across(p.boxRows[1]) & b.excluded[p.rowMates[0]] & b.excluded[p.rowMates[1]]
                & open;
        if (fill != 0) {
            const int digit = 10 - std::bit_width(fill); // the lowest digit is the highest bit
            b.value[i] = static_cast<std::uint8_t>(digit);
            b.excluded[i] = kExcludedForValue[digit];
            rowPlaced_[row] |= kBit[digit];
            columnPlaced_[column] |= kBit[digit];
            boxPlaced_[p.box] |= kBit[digit];
            rowEmpty_[row] &= ~(1u << column);
            return true;
        }
        return newly != 0;
    }

    DigitMask rowPlaced_[kBoardSize]{};
    DigitMask columnPlaced_[kBoardSize]{};
    DigitMask boxPlaced_[kBoardSize]{};
    // Bit c of rowEmpty_[r]: the cell at (r, c) is empty.
    unsigned rowEmpty_[kBoardSize]{};
};

} // namespace plain
