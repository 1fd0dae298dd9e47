// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

// The shape of the board, worked out once at compile time for everything
// that walks it: the deduction, the grader, the solution counter, the
// generator and the lane kernels.
//
// Cells are numbered 0 to 80, row by row from the top left. Rows, columns
// and boxes are numbered 0 to 8, boxes row by row from the top left. As
// units they are numbered together: rows 0-8, columns 9-17, boxes 18-26.
// A band is three rows of boxes, a stack three columns of them. A segment
// is the three cells of a box within one row (a row segment) or one column
// (a column segment), numbered 3 * box + the row (column) within the box.

#include <array>
#include <bit>
#include <cstdint>

inline constexpr int kBoardSize = 9;
inline constexpr int kCellCount = kBoardSize * kBoardSize;
inline constexpr int kUnitCount = 3 * kBoardSize;

constexpr int CellIndex(int row, int column) { return row * kBoardSize + column; }
constexpr int RowOf(int index) { return index / kBoardSize; }
constexpr int ColumnOf(int index) { return index % kBoardSize; }
constexpr int BoxOf(int index) { return RowOf(index) / 3 * 3 + ColumnOf(index) / 3; }
// The k-th cell (0 to 8) of box, row by row.
constexpr int BoxCell(int box, int k) { return CellIndex(box / 3 * 3 + k / 3, box % 3 * 3 + k % 3); }

// A set of cells: cell i at bit i % 64 of word i / 64.
struct CCellSet {
    std::uint64_t word[2] = {0, 0};

    constexpr void Add(int i) { word[i / 64] |= std::uint64_t{1} << (i % 64); }
    // Adds cell i when in is true; without a branch, for sets whose cells
    // follow no pattern.
    constexpr void AddIf(bool in, int i) { word[i / 64] |= std::uint64_t{in} << (i % 64); }
    constexpr void Remove(int i) { word[i / 64] &= ~(std::uint64_t{1} << (i % 64)); }
    constexpr bool Has(int i) const { return (word[i / 64] >> (i % 64) & 1) != 0; }
    constexpr bool Empty() const { return (word[0] | word[1]) == 0; }
    constexpr bool Meets(const CCellSet& other) const
    {
        return ((word[0] & other.word[0]) | (word[1] & other.word[1])) != 0;
    }
    constexpr int Count() const { return std::popcount(word[0]) + std::popcount(word[1]); }
    // The lowest cell of a set that is not empty.
    constexpr int First() const { return word[0] != 0 ? std::countr_zero(word[0]) : 64 + std::countr_zero(word[1]); }
    constexpr CCellSet& operator|=(const CCellSet& other)
    {
        word[0] |= other.word[0];
        word[1] |= other.word[1];
        return *this;
    }
    constexpr CCellSet& operator&=(const CCellSet& other)
    {
        word[0] &= other.word[0];
        word[1] &= other.word[1];
        return *this;
    }
    constexpr CCellSet operator~() const
    {
        return {{~word[0], ~word[1] & ((std::uint64_t{1} << (kCellCount - 64)) - 1)}};
    }
    friend constexpr CCellSet operator|(CCellSet a, const CCellSet& b) { return a |= b; }
    friend constexpr CCellSet operator&(CCellSet a, const CCellSet& b) { return a &= b; }
    constexpr bool operator==(const CCellSet&) const = default;

    // Calls action(cell) for each cell, lowest first. The set is read as it
    // stands when the call begins.
    template <typename Action>
    constexpr void ForEach(Action action) const
    {
        for (int w = 0; w < 2; ++w)
            for (std::uint64_t cells = word[w]; cells != 0; cells &= cells - 1)
                action(w * 64 + std::countr_zero(cells));
    }

    static constexpr CCellSet All() { return ~CCellSet{}; }
};

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

// The board's tables.
struct CGeometry {
    std::array<CPlace, kCellCount> place{};
    // The cells of each unit, in board order.
    std::array<std::array<std::uint8_t, kBoardSize>, kUnitCount> unitCells{};
    // The three units of each cell: row, column and box (as units, 0-26).
    std::array<std::array<std::uint8_t, 3>, kCellCount> unitsOf{};
    // The same as a set of units, unit u at bit u.
    std::array<std::uint32_t, kCellCount> unitMask{};
    // The cells of each unit as a set.
    std::array<CCellSet, kUnitCount> unitSet{};
    // The 20 other cells that share a row, column or box with each cell.
    std::array<CCellSet, kCellCount> peers{};
    // The three cells of each row segment and each column segment.
    std::array<std::array<std::uint8_t, 3>, 27> rowSegmentCells{}, columnSegmentCells{};
};

inline constexpr CGeometry kGeometry = [] {
    CGeometry g;
    const auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
    // The other two of 0, 1, 2, in ascending order.
    const auto others = [](int k) { return std::array<int, 2>{k == 0 ? 1 : 0, k == 2 ? 1 : 2}; };
    for (int i = 0; i < kCellCount; ++i) {
        const int row = RowOf(i);
        const int column = ColumnOf(i);
        const int box = BoxOf(i);
        CPlace& p = g.place[static_cast<std::size_t>(i)];
        const auto otherRows = others(row % 3);
        const auto otherColumns = others(column % 3);
        const auto otherBandColumns = others(box % 3);
        const auto otherStackRows = others(box / 3);
        p.row = u8(row);
        p.column = u8(column);
        p.box = u8(box);
        p.rowSegment = u8(3 * box + row % 3);
        p.columnSegment = u8(3 * box + column % 3);
        for (std::size_t k = 0; k < 2; ++k) {
            const int bandBox = box / 3 * 3 + otherBandColumns[k];
            const int stackBox = otherStackRows[k] * 3 + box % 3;
            p.otherRowSegments[k] = u8(3 * box + otherRows[k]);
            p.bandBoxes[k] = u8(bandBox);
            p.stackBoxes[k] = u8(stackBox);
            for (std::size_t j = 0; j < 2; ++j) {
                p.bandSegments[k][j] = u8(3 * bandBox + otherRows[j]);
                p.stackSegments[k][j] = u8(3 * stackBox + otherColumns[j]);
            }
            p.rowMates[k] = u8(CellIndex(row, column / 3 * 3 + otherColumns[k]));
            p.columnMates[k] = u8(CellIndex(row / 3 * 3 + otherRows[k], column));
        }
        const std::array<int, 3> units = {row, kBoardSize + column, 2 * kBoardSize + box};
        for (std::size_t k = 0; k < 3; ++k) {
            g.unitsOf[static_cast<std::size_t>(i)][k] = u8(units[k]);
            g.unitMask[static_cast<std::size_t>(i)] |= std::uint32_t{1} << units[k];
            g.unitSet[static_cast<std::size_t>(units[k])].Add(i);
        }
        g.rowSegmentCells[p.rowSegment][static_cast<std::size_t>(column % 3)] = u8(i);
        g.columnSegmentCells[p.columnSegment][static_cast<std::size_t>(row % 3)] = u8(i);
    }
    for (int u = 0; u < kBoardSize; ++u)
        for (int k = 0; k < kBoardSize; ++k) {
            g.unitCells[static_cast<std::size_t>(u)][static_cast<std::size_t>(k)] = u8(CellIndex(u, k));
            g.unitCells[static_cast<std::size_t>(kBoardSize + u)][static_cast<std::size_t>(k)] = u8(CellIndex(k, u));
            g.unitCells[static_cast<std::size_t>(2 * kBoardSize + u)][static_cast<std::size_t>(k)] = u8(BoxCell(u, k));
        }
    for (int i = 0; i < kCellCount; ++i) {
        for (const std::uint8_t u : g.unitsOf[static_cast<std::size_t>(i)])
            g.peers[static_cast<std::size_t>(i)] |= g.unitSet[u];
        g.peers[static_cast<std::size_t>(i)].Remove(i);
    }
    return g;
}();

inline constexpr const CPlace& PlaceOf(int index) { return kGeometry.place[static_cast<std::size_t>(index)]; }
