// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

// Whether digits placed on a board admit any solution, by a complete
// search: the one thing the program itself never does. The tests use it to
// check that a board said to contradict itself has no solution indeed.

#include <array>
#include <bit>
#include <cstdint>

class CSolutionSearch {
public:
    // values: 81 cells, 0 for empty. False when two of them clash already.
    explicit CSolutionSearch(const std::array<int, 81>& values)
    {
        for (int i = 0; i < 81; ++i)
            if (values[static_cast<std::size_t>(i)] != 0 && !Place(i, values[static_cast<std::size_t>(i)]))
                clash_ = true;
    }

    bool HasSolution()
    {
        if (clash_)
            return false;
        // The empty cell with the fewest digits left, tried digit by digit.
        int best = -1;
        int fewest = 10;
        for (int i = 0; i < 81; ++i) {
            if (value_[static_cast<std::size_t>(i)] != 0)
                continue;
            const int count = std::popcount(Open(i));
            if (count < fewest) {
                fewest = count;
                best = i;
            }
        }
        if (best < 0)
            return true;
        for (unsigned open = Open(best); open != 0; open &= open - 1) {
            const int d = std::countr_zero(open) + 1;
            Place(best, d);
            const bool solved = HasSolution();
            Remove(best, d);
            if (solved)
                return true;
        }
        return false;
    }

private:
    static int Box(int i) { return i / 27 * 3 + i % 9 / 3; }
    unsigned Open(int i) const
    {
        return ~(rows_[static_cast<std::size_t>(i / 9)] | columns_[static_cast<std::size_t>(i % 9)]
                 | boxes_[static_cast<std::size_t>(Box(i))])
            & 0x1FFu;
    }
    bool Place(int i, int d)
    {
        const unsigned bit = 1u << (d - 1);
        if (!(Open(i) & bit))
            return false;
        rows_[static_cast<std::size_t>(i / 9)] |= bit;
        columns_[static_cast<std::size_t>(i % 9)] |= bit;
        boxes_[static_cast<std::size_t>(Box(i))] |= bit;
        value_[static_cast<std::size_t>(i)] = d;
        return true;
    }
    void Remove(int i, int d)
    {
        const unsigned bit = 1u << (d - 1);
        rows_[static_cast<std::size_t>(i / 9)] &= ~bit;
        columns_[static_cast<std::size_t>(i % 9)] &= ~bit;
        boxes_[static_cast<std::size_t>(Box(i))] &= ~bit;
        value_[static_cast<std::size_t>(i)] = 0;
    }

    std::array<unsigned, 9> rows_{};
    std::array<unsigned, 9> columns_{};
    std::array<unsigned, 9> boxes_{};
    std::array<int, 81> value_{};
    bool clash_ = false;
};
