// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The deduction written the plain way: every call recounts what it reads
// from the grid, and finds each reason by looking for it. Slow, and
// obviously right; the engine, with all the rules or fewer, is checked
// against it. It takes from board_geometry.h only cell and box numbers,
// not the engine's tables, so that those are checked too.
#include "reference_deduction.h"

#include <algorithm>
#include <utility>

namespace {

// A filled cell rules out every digit but its own, so "ruled out in a cell"
// is simply its excluded mask, whether the cell is filled or not.

// The digit a cell holds as a mask, nothing for an empty cell; a table
// keeps the sweeps free of branches here.
constexpr DigitMask kValueBit[10] = {0,           DigitBit(1), DigitBit(2), DigitBit(3), DigitBit(4),
                                     DigitBit(5), DigitBit(6), DigitBit(7), DigitBit(8), DigitBit(9)};

DigitMask PlacedDigit(const CCell& cell) { return kValueBit[cell.GetValue()]; }

DigitMask DigitsPlacedInRow(const Grid& grid, int row)
{
    DigitMask placed = 0;
    for (int c = 0; c < kBoardSize; ++c)
        placed |= PlacedDigit(grid[CellIndex(row, c)]);
    return placed;
}

DigitMask DigitsPlacedInColumn(const Grid& grid, int column)
{
    DigitMask placed = 0;
    for (int r = 0; r < kBoardSize; ++r)
        placed |= PlacedDigit(grid[CellIndex(r, column)]);
    return placed;
}

DigitMask DigitsPlacedInBox(const Grid& grid, int row0, int column0)
{
    DigitMask placed = 0;
    for (int r = row0; r < row0 + 3; ++r)
        for (int c = column0; c < column0 + 3; ++c)
            placed |= PlacedDigit(grid[CellIndex(r, c)]);
    return placed;
}

// Digits that the box at (row0, column0) has ruled out in all six of its
// cells outside the given row: the box must place them in that row.
DigitMask ConfinedToRow(const Grid& grid, int row0, int column0, int row)
{
    DigitMask everywhere = kAllDigits;
    for (int r = row0; r < row0 + 3; ++r) {
        if (r == row)
            continue;
        for (int c = column0; c < column0 + 3; ++c)
            everywhere &= grid[CellIndex(r, c)].ExcludedMask();
    }
    return everywhere;
}

DigitMask ConfinedToColumn(const Grid& grid, int row0, int column0, int column)
{
    DigitMask everywhere = kAllDigits;
    for (int c = column0; c < column0 + 3; ++c) {
        if (c == column)
            continue;
        for (int r = row0; r < row0 + 3; ++r)
            everywhere &= grid[CellIndex(r, c)].ExcludedMask();
    }
    return everywhere;
}

DigitMask RowConfinedByNeighbourBoxes(const Grid& grid, int row, int column)
{
    const int row0 = row / 3 * 3;
    DigitMask confined = 0;
    for (int column0 = 0; column0 < kBoardSize; column0 += 3)
        if (column0 != column / 3 * 3)
            confined |= ConfinedToRow(grid, row0, column0, row);
    return confined;
}

DigitMask ColumnConfinedByNeighbourBoxes(const Grid& grid, int row, int column)
{
    const int column0 = column / 3 * 3;
    DigitMask confined = 0;
    for (int row0 = 0; row0 < kBoardSize; row0 += 3)
        if (row0 != row / 3 * 3)
            confined |= ConfinedToColumn(grid, row0, column0, column);
    return confined;
}

// The digits of every two cells among `cells` (skipping index `skip`) that
// have the same two candidates and no others.
template <typename CellAt>
DigitMask NakedPairs(CellAt cellAt, int skip)
{
    int pairMasks[kBoardSize];
    int count = 0;
    for (int i = 0; i < kBoardSize; ++i) {
        const CCell& cell = cellAt(i);
        if (i != skip && cell.CandidateCount() == 2)
            pairMasks[count++] = cell.CandidateMask();
    }
    DigitMask digits = 0;
    for (int m = 0; m < count; ++m)
        for (int n = m + 1; n < count; ++n)
            if (pairMasks[m] == pairMasks[n])
                digits |= static_cast<DigitMask>(pairMasks[m]);
    return digits;
}

DigitMask PairsInRow(const Grid& grid, int row, int column)
{
    return NakedPairs([&](int c) -> const CCell& { return grid[CellIndex(row, c)]; }, column);
}

DigitMask PairsInColumn(const Grid& grid, int row, int column)
{
    return NakedPairs([&](int r) -> const CCell& { return grid[CellIndex(r, column)]; }, row);
}

// The first cell, in board order, of the row, column or box of (row,
// column) that holds digit: the evidence of rules 1 to 3.
int FirstHolder(const Grid& grid, Rule rule, int row, int column, int digit)
{
    for (int k = 0; k < kBoardSize; ++k) {
        const int at = rule == Rule::Row ? CellIndex(row, k)
            : rule == Rule::Column       ? CellIndex(k, column)
                                         : BoxCell(BoxOf(CellIndex(row, column)), k);
        if (grid[at].GetValue() == digit)
            return at;
    }
    return -1;
}

// The first neighbouring box, in the order rule 4 (5) looks at them, that
// confines digit to the row (column) of (row, column).
int FirstConfiningBox(const Grid& grid, Rule rule, int row, int column, int digit)
{
    for (int k = 0; k < kBoardSize; k += 3) {
        if (rule == Rule::Band && k != column / 3 * 3 && (ConfinedToRow(grid, row / 3 * 3, k, row) & DigitBit(digit)))
            return row / 3 * 3 + k / 3;
        if (rule == Rule::Stack && k != row / 3 * 3
            && (ConfinedToColumn(grid, k, column / 3 * 3, column) & DigitBit(digit)))
            return k + column / 3;
    }
    return -1;
}

// The first pair, in the order rule 6 (7) looks at them, holding digit.
std::pair<int, int> FirstPair(const Grid& grid, Rule rule, int row, int column, int digit)
{
    const int skip = rule == Rule::RowPair ? column : row;
    const auto at = [&](int k) { return rule == Rule::RowPair ? CellIndex(row, k) : CellIndex(k, column); };
    for (int m = 0; m < kBoardSize; ++m)
        for (int n = m + 1; n < kBoardSize; ++n) {
            const CCell& p = grid[at(m)];
            if (m != skip && n != skip && p.CandidateCount() == 2 && p.CandidateMask() == grid[at(n)].CandidateMask()
                && p.IsOpen(digit))
                return {at(m), at(n)};
        }
    return {-1, -1};
}

// Keeps, for each digit the rules newly rule out of the cell, the first rule
// that rules it out and that rule's evidence as the grid stands now.
void NoteReasons(Grid& grid, int row, int column, const DigitMask (&byRule)[7])
{
    CCell& cell = grid[CellIndex(row, column)];
    for (int d = 1; d <= 9; ++d) {
        if (!cell.IsOpen(d))
            continue;
        for (int k = 0; k < 7; ++k) {
            if (!(byRule[k] & DigitBit(d)))
                continue;
            const auto rule = static_cast<Rule>(k + 1);
            if (rule <= Rule::Box) {
                cell.NoteReason(d, rule, static_cast<std::uint8_t>(FirstHolder(grid, rule, row, column, d)));
            } else if (rule <= Rule::Stack) {
                cell.NoteReason(d, rule, static_cast<std::uint8_t>(FirstConfiningBox(grid, rule, row, column, d)));
            } else {
                const auto [a, b] = FirstPair(grid, rule, row, column, d);
                const auto pair = static_cast<unsigned>(grid[a].CandidateMask()) & ~DigitBit(d);
                cell.NoteReason(d, rule, static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                static_cast<std::uint8_t>(LowestDigit(pair)));
            }
            break;
        }
    }
}

bool PlaceSingleCandidate(CCell& cell)
{
    if (cell.CandidateCount() != 1)
        return false;
    cell.Place(LowestDigit(static_cast<unsigned>(cell.CandidateMask())), Fill::Single);
    return true;
}

// Places the lowest open digit that every other cell of the box rules out.
bool PlaceOnlyInBox(Grid& grid, int row, int column)
{
    CCell& cell = grid[CellIndex(row, column)];
    if (cell.GetValue() != 0)
        return false;
    const int row0 = row / 3 * 3;
    const int column0 = column / 3 * 3;
    DigitMask elsewhereRuledOut = kAllDigits;
    for (int r = row0; r < row0 + 3; ++r)
        for (int c = column0; c < column0 + 3; ++c)
            if (r != row || c != column)
                elsewhereRuledOut &= grid[CellIndex(r, c)].ExcludedMask();
    const unsigned only = elsewhereRuledOut & static_cast<unsigned>(cell.CandidateMask());
    if (only == 0)
        return false;
    cell.Place(LowestDigit(only), Fill::OnlyInBox);
    return true;
}

} // namespace

bool ReferenceUpdateCell(Grid& grid, int row, int column, Rules rules, Reasons reasons)
{
    CCell& cell = grid[CellIndex(row, column)];
    bool changed = false;
    if (cell.GetValue() == 0) {
        const bool boxAndLine = rules != Rules::Singles;
        const bool pairs = rules == Rules::All;
        // The rules only add to what is ruled out, so their union is ruled
        // out at once; the placing steps then see all of it.
        const DigitMask byRule[7] = {DigitsPlacedInRow(grid, row),
                                     DigitsPlacedInColumn(grid, column),
                                     DigitsPlacedInBox(grid, row / 3 * 3, column / 3 * 3),
                                     boxAndLine ? RowConfinedByNeighbourBoxes(grid, row, column) : DigitMask{0},
                                     boxAndLine ? ColumnConfinedByNeighbourBoxes(grid, row, column) : DigitMask{0},
                                     pairs ? PairsInRow(grid, row, column) : DigitMask{0},
                                     pairs ? PairsInColumn(grid, row, column) : DigitMask{0}};
        if (reasons == Reasons::Kept)
            NoteReasons(grid, row, column, byRule);
        DigitMask all = 0;
        for (const DigitMask mask : byRule)
            all |= mask;
        changed = cell.RuleOut(all);
        changed |= PlaceSingleCandidate(cell);
    }
    changed |= PlaceOnlyInBox(grid, row, column);
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

CReferenceFill ReferenceFirstFill(Grid& grid, Rules rules)
{
    CReferenceFill fill;
    for (fill.sweep = 1;; ++fill.sweep) {
        bool changed = false;
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& cell = grid[i];
            const bool empty = cell.GetValue() == 0;
            const DigitMask before = cell.ExcludedMask();
            changed |= ReferenceUpdateCell(grid, RowOf(i), ColumnOf(i), rules);
            const std::size_t from = fill.log.size();
            for (int d = 1; d <= 9; ++d)
                if (!(before & DigitBit(d)) && cell.Reason(d).rule != Rule::None)
                    fill.log.push_back({i, d, cell.Reason(d), Fill::Given});
            std::stable_sort(
                fill.log.begin() + static_cast<std::ptrdiff_t>(from), fill.log.end(),
                [](const CReferenceStep& a, const CReferenceStep& b) { return a.reason.rule < b.reason.rule; });
            if (empty && cell.GetValue() != 0) {
                fill.log.push_back({i, cell.GetValue(), {}, cell.HowFilled()});
                fill.cell = i;
                return fill;
            }
        }
        if (!changed)
            return {};
    }
}
