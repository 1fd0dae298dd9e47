// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The deduction's rules written the plain way, for the benchmark alone: one
// puzzle at a time on flat arrays, each step recounting what it reads from
// the board, nothing kept between steps and no reasons. The yardstick for
// the engine's own bookkeeping; the benchmark checks that both give the
// same boards before it times them.
#pragma once

#include "cell.h"

#include <bit>

struct CPlainBoard {
    std::uint8_t value[kCellCount];
    DigitMask excluded[kCellCount];
};

namespace plain {

constexpr DigitMask kBit[10] = {0, DigitBit(1), DigitBit(2), DigitBit(3), DigitBit(4),
                                DigitBit(5), DigitBit(6), DigitBit(7), DigitBit(8), DigitBit(9)};

// The digits of every two cells of the line (cells at first + step * k),
// other than the one at skip, that have the same two open digits.
inline DigitMask Pairs(const CPlainBoard& b, int first, int step, int skip)
{
    unsigned pairs[kBoardSize];
    int count = 0;
    for (int k = 0; k < kBoardSize; ++k) {
        const unsigned open = ~b.excluded[first + step * k] & kAllDigits;
        if (k != skip && kDigitCount[open] == 2)
            pairs[count++] = open;
    }
    unsigned digits = 0;
    for (int m = 0; m < count; ++m)
        for (int n = m + 1; n < count; ++n)
            if (pairs[m] == pairs[n])
                digits |= pairs[m];
    return static_cast<DigitMask>(digits);
}

// The digits ruled out in all six cells of the box at (row0, column0)
// outside the given row (or column).
inline DigitMask OutsideRow(const CPlainBoard& b, int row0, int column0, int row)
{
    unsigned all = kAllDigits;
    for (int r = row0; r < row0 + 3; ++r)
        if (r != row)
            for (int c = column0; c < column0 + 3; ++c)
                all &= b.excluded[CellIndex(r, c)];
    return static_cast<DigitMask>(all);
}

inline DigitMask OutsideColumn(const CPlainBoard& b, int row0, int column0, int column)
{
    unsigned all = kAllDigits;
    for (int c = column0; c < column0 + 3; ++c)
        if (c != column)
            for (int r = row0; r < row0 + 3; ++r)
                all &= b.excluded[CellIndex(r, c)];
    return static_cast<DigitMask>(all);
}

inline bool Step(CPlainBoard& b, int row, int column)
{
    const int i = CellIndex(row, column);
    if (b.value[i] != 0)
        return false;
    const int row0 = row / 3 * 3, column0 = column / 3 * 3;
    unsigned ruled = 0;
    for (int k = 0; k < kBoardSize; ++k)
        ruled |= kBit[b.value[CellIndex(row, k)]] | kBit[b.value[CellIndex(k, column)]]
            | kBit[b.value[CellIndex(row0 + k / 3, column0 + k % 3)]];
    for (int k = 0; k < kBoardSize; k += 3) {
        if (k != column0)
            ruled |= OutsideRow(b, row0, k, row);
        if (k != row0)
            ruled |= OutsideColumn(b, k, column0, column);
    }
    ruled |= Pairs(b, CellIndex(row, 0), 1, column) | Pairs(b, column, kBoardSize, row);
    const unsigned newly = ruled & ~b.excluded[i] & kAllDigits;
    b.excluded[i] = static_cast<DigitMask>(b.excluded[i] | newly);
    const unsigned open = ~b.excluded[i] & kAllDigits;
    unsigned fill = kDigitCount[open] == 1 ? open : 0;
    if (fill == 0) {
        unsigned elsewhere = kAllDigits;
        for (int r = row0; r < row0 + 3; ++r)
            for (int c = column0; c < column0 + 3; ++c)
                if (r != row || c != column)
                    elsewhere &= b.excluded[CellIndex(r, c)];
        fill = elsewhere & open;
    }
    if (fill != 0) {
        const int digit = 10 - std::bit_width(fill); // the lowest digit is the highest bit
        b.value[i] = static_cast<std::uint8_t>(digit);
        b.excluded[i] = static_cast<DigitMask>(kAllDigits & ~DigitBit(digit));
        return true;
    }
    return newly != 0;
}

inline bool Pass(CPlainBoard& b)
{
    bool changed = false;
    for (int row = 0; row < kBoardSize; ++row)
        for (int column = 0; column < kBoardSize; ++column)
            changed |= Step(b, row, column);
    return changed;
}

inline void Solve(CPlainBoard& b)
{
    while (Pass(b)) {
    }
}

} // namespace plain
