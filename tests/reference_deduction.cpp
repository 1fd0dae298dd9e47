// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The deduction written the plain way, from the rules as they read: only
// the plainest of the board's shape (rows, columns, boxes and their
// cells) comes from board_geometry.h, so that the engine's own tables are
// checked too.
#include "reference_deduction.h"

#include <algorithm>
#include <utility>

namespace {

const CCell& At(const Grid& grid, int index)
{
    return grid[static_cast<std::size_t>(index)];
}

// The unit numbers of board_geometry.h.
int RowUnit(int index) { return RowOf(index); }
int ColumnUnit(int index) { return kBoardSize + ColumnOf(index); }
int BoxUnit(int index) { return 2 * kBoardSize + BoxOf(index); }

const std::array<std::uint8_t, kBoardSize>& CellsOf(int unit)
{
    return kGeometry.unitCells[static_cast<std::size_t>(unit)];
}

// Rules 1 to 3: the digits placed in a unit.
DigitMask Placed(const Grid& grid, int unit)
{
    DigitMask placed = 0;
    for (const int i : CellsOf(unit)) {
        const int v = At(grid, i).GetValue();
        placed |= v != 0 ? DigitBit(v) : 0;
    }
    return placed;
}

// The digits that box has ruled out in every one of its cells outside the
// row (inRow) or column line: the box must place them in that line. A
// filled cell has every digit but its own ruled out.
DigitMask ConfinedTo(const Grid& grid, int box, int line, bool inRow)
{
    DigitMask everywhere = kAllDigits;
    for (const int i : CellsOf(2 * kBoardSize + box))
        if ((inRow ? RowOf(i) : ColumnOf(i)) != line)
            everywhere &= At(grid, i).ExcludedMask();
    return everywhere;
}

// The other two boxes of the cell's band of rows (inRow) or stack of
// columns, lower first: the order rules 4 and 5 look at them.
std::pair<int, int> NeighbourBoxes(int index, bool inRow)
{
    const int box = BoxOf(index);
    // The boxes one and two places on across (down), around the band (stack).
    const auto next = [box, inRow](int by) {
        return inRow ? box / 3 * 3 + (box % 3 + by) % 3 : (box / 3 + by) % 3 * 3 + box % 3;
    };
    return std::minmax(next(1), next(2));
}

// Rules 4 and 5.
DigitMask ConfinedByNeighbours(const Grid& grid, int index, bool inRow)
{
    const auto [first, second] = NeighbourBoxes(index, inRow);
    const int line = inRow ? RowOf(index) : ColumnOf(index);
    return ConfinedTo(grid, first, line, inRow) | ConfinedTo(grid, second, line, inRow);
}

bool IsPair(const CCell& a, const CCell& b)
{
    return a.CandidateCount() == 2 && a.CandidateMask() == b.CandidateMask();
}

// Rules 6 and 7: the digits of every two other cells of the line (a row
// or column unit) with the same two candidates and no others.
DigitMask Pairs(const Grid& grid, int unit, int index)
{
    int twos[kBoardSize];
    int count = 0;
    for (const int i : CellsOf(unit))
        if (i != index && At(grid, i).CandidateCount() == 2)
            twos[count++] = At(grid, i).CandidateMask();
    DigitMask digits = 0;
    for (int m = 0; m < count; ++m)
        for (int n = m + 1; n < count; ++n)
            if (twos[m] == twos[n])
                digits |= static_cast<DigitMask>(twos[m]);
    return digits;
}

// The evidence of rules 1 to 3: the first cell of the unit, in board
// order, that holds digit.
int FirstHolder(const Grid& grid, int unit, int digit)
{
    for (const int i : CellsOf(unit))
        if (At(grid, i).GetValue() == digit)
            return i;
    return -1;
}

// The evidence of rules 4 and 5: the first neighbouring box that confines
// digit to the cell's line.
int FirstConfiningBox(const Grid& grid, int index, int digit, bool inRow)
{
    const auto [first, second] = NeighbourBoxes(index, inRow);
    const int line = inRow ? RowOf(index) : ColumnOf(index);
    return (ConfinedTo(grid, first, line, inRow) & DigitBit(digit)) != 0 ? first : second;
}

// The evidence of rules 6 and 7: the first pair along the line, by its
// first cell and then its second, that holds digit.
std::pair<int, int> FirstPair(const Grid& grid, int unit, int index, int digit)
{
    const auto& cells = CellsOf(unit);
    for (int m = 0; m < kBoardSize; ++m)
        for (int n = m + 1; n < kBoardSize; ++n)
            if (cells[m] != index && cells[n] != index && IsPair(At(grid, cells[m]), At(grid, cells[n]))
                && At(grid, cells[m]).IsOpen(digit))
                return {cells[m], cells[n]};
    return {-1, -1};
}

// Keeps, for each digit the rules newly rule out of the cell, the first
// rule that rules it out and that rule's evidence as the grid stands now.
void NoteReasons(Grid& grid, int index, const DigitMask (&byRule)[7])
{
    CCell& cell = grid[static_cast<std::size_t>(index)];
    const int lines[7] = {RowUnit(index), ColumnUnit(index), BoxUnit(index), -1, -1, RowUnit(index),
                          ColumnUnit(index)};
    for (int d = 1; d <= 9; ++d) {
        int k = 0;
        while (k < 7 && (!cell.IsOpen(d) || (byRule[k] & DigitBit(d)) == 0))
            ++k;
        if (k == 7)
            continue;
        const auto rule = static_cast<Rule>(k + 1);
        const auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
        if (rule <= Rule::Box) {
            cell.NoteReason(d, rule, u8(FirstHolder(grid, lines[k], d)));
        } else if (rule <= Rule::Stack) {
            cell.NoteReason(d, rule, u8(FirstConfiningBox(grid, index, d, rule == Rule::Band)));
        } else {
            const auto [a, b] = FirstPair(grid, lines[k], index, d);
            const auto other = static_cast<unsigned>(At(grid, a).CandidateMask()) & ~DigitBit(d);
            cell.NoteReason(d, rule, u8(a), u8(b), u8(LowestDigit(other)));
        }
    }
}

// Rule 9: the lowest open digit that every other cell of the box rules
// out, or 0.
int OnlyPlaceInBox(const Grid& grid, int index)
{
    DigitMask elsewhere = kAllDigits;
    for (const int i : CellsOf(BoxUnit(index)))
        if (i != index)
            elsewhere &= At(grid, i).ExcludedMask();
    const unsigned only = elsewhere & static_cast<unsigned>(At(grid, index).CandidateMask());
    return only != 0 ? LowestDigit(only) : 0;
}

} // namespace

bool ReferenceUpdateCell(Grid& grid, int row, int column, Rules rules, Reasons reasons)
{
    const int index = CellIndex(row, column);
    CCell& cell = grid[static_cast<std::size_t>(index)];
    if (cell.GetValue() != 0)
        return false;
    const bool boxAndLine = rules != Rules::Singles;
    const bool pairs = rules == Rules::All;
    // The rules only add to what is ruled out, so their union is ruled out
    // at once; the placing steps then see all of it.
    const DigitMask byRule[7] = {Placed(grid, RowUnit(index)),
                                 Placed(grid, ColumnUnit(index)),
                                 Placed(grid, BoxUnit(index)),
                                 boxAndLine ? ConfinedByNeighbours(grid, index, true) : DigitMask{0},
                                 boxAndLine ? ConfinedByNeighbours(grid, index, false) : DigitMask{0},
                                 pairs ? Pairs(grid, RowUnit(index), index) : DigitMask{0},
                                 pairs ? Pairs(grid, ColumnUnit(index), index) : DigitMask{0}};
    if (reasons == Reasons::Kept)
        NoteReasons(grid, index, byRule);
    DigitMask all = 0;
    for (const DigitMask mask : byRule)
        all |= mask;
    bool changed = cell.RuleOut(all);
    if (cell.CandidateCount() == 1) {
        cell.Place(LowestDigit(static_cast<unsigned>(cell.CandidateMask())), Fill::Single);
        changed = true;
    } else if (const int only = OnlyPlaceInBox(grid, index); only != 0) {
        cell.Place(only, Fill::OnlyInBox);
        changed = true;
    }
    if (changed)
        cell.UpdateDisplay();
    return changed;
}

int ReferenceSolve(Grid& grid, Rules rules, Reasons reasons)
{
    for (int sweeps = 1;; ++sweeps) {
        bool changed = false;
        for (int i = 0; i < kCellCount; ++i)
            changed |= ReferenceUpdateCell(grid, RowOf(i), ColumnOf(i), rules, reasons);
        if (!changed)
            return sweeps;
    }
}
