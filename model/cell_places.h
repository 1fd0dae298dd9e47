// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <array>
#include <cstdint>

// The cells and groups of cells that the deduction's rules read around a
// cell. A segment is the three cells of a box within one row (or column):
// index 3 * box + the row (or column) within the box.

// Where a cell stands, worked out once for all 81.
struct CPlace {
    std::uint8_t row, column, box;
    std::uint8_t rowSegment, columnSegment; // 3 * box + row (column) within the box
    // The other two segments of the box across (down): the box's six cells
    // outside the cell's row (column).
    std::uint8_t otherRowSegments[2];
    // The same segments of the other two boxes of the band of rows (stack of
    // columns), lower box first; and those two boxes.
    std::uint8_t bandSegments[2][2], stackSegments[2][2];
    std::uint8_t bandBoxes[2], stackBoxes[2];
    // The other two cells of the cell's row (column) within its box.
    std::uint8_t rowMates[2], columnMates[2];
};

inline constexpr std::array<CPlace, kCellCount> kPlaces = [] {
    std::array<CPlace, kCellCount> places{};
    const auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
    // The other two of 0, 1, 2, in ascending order.
    const auto others = [](int k) { return std::array<int, 2>{k == 0 ? 1 : 0, k == 2 ? 1 : 2}; };
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            CPlace& p = places[static_cast<std::size_t>(CellIndex(row, column))];
            const int box = row / 3 * 3 + column / 3;
            const auto otherRows = others(row % 3);
            const auto otherColumns = others(column % 3);
            const auto otherBandColumns = others(box % 3);
            const auto otherStackRows = others(box / 3);
            p.row = u8(row);
            p.column = u8(column);
            p.box = u8(box);
            p.rowSegment = u8(3 * box + row % 3);
            p.columnSegment = u8(3 * box + column % 3);
            for (std::size_t i = 0; i < 2; ++i) {
                const int bandBox = box / 3 * 3 + otherBandColumns[i];
                const int stackBox = otherStackRows[i] * 3 + box % 3;
                p.otherRowSegments[i] = u8(3 * box + otherRows[i]);
                p.bandBoxes[i] = u8(bandBox);
                p.stackBoxes[i] = u8(stackBox);
                for (std::size_t j = 0; j < 2; ++j) {
                    p.bandSegments[i][j] = u8(3 * bandBox + otherRows[j]);
                    p.stackSegments[i][j] = u8(3 * stackBox + otherColumns[j]);
                }
                p.rowMates[i] = u8(CellIndex(row, column / 3 * 3 + otherColumns[i]));
                p.columnMates[i] = u8(CellIndex(row / 3 * 3 + otherRows[i], column));
            }
        }
    }
    return places;
}();

inline const CPlace& PlaceOf(int index)
{
    return kPlaces[static_cast<std::size_t>(index)];
}
