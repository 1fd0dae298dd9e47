// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "guidance.h"

#include "board_geometry.h"
#include "puzzle_maker.h"

#include <algorithm>

namespace {

// Keeps what the sweeps do until the first fill, and nothing after it.
class CFirstFill : public CDeductionObserver {
public:
    void OnRuledOut(int cell, int digit, const CReason& reason) override
    {
        if (hint.cell < 0)
            ruledOut.push_back({cell, {digit, reason}});
    }
    void OnFilled(int cell, int digit, Fill how) override
    {
        if (hint.cell >= 0)
            return;
        hint.cell = cell;
        hint.digit = digit;
        hint.how = how;
    }

    CHint hint;
    std::vector<std::pair<int, std::pair<int, CReason>>> ruledOut;
};

bool SameLine(int a, int b)
{
    return RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BoxOf(a) == BoxOf(b);
}

} // namespace

CHint FindHint(const Grid& grid)
{
    Grid copy = grid;
    CFirstFill watch;
    int sweeps = 0;
    {
        // Cell by cell, as a sweep goes, so that the copy stops at the very
        // moment of the fill.
        CSweep sweep(copy, &watch);
        for (bool changed = true; changed && watch.hint.cell < 0;) {
            changed = false;
            ++sweeps;
            for (int i = 0; i < kCellCount && watch.hint.cell < 0; ++i)
                changed |= sweep.UpdateCell(i / kBoardSize, i % kBoardSize);
        }
    }
    CHint hint = watch.hint;
    if (hint.cell < 0)
        return hint;
    hint.sweep = sweeps;
    for (const auto& [cell, step] : watch.ruledOut)
        if (cell == hint.cell)
            hint.steps.push_back(step);
    hint.grid = copy;
    return hint;
}

std::vector<int> SameDigitPeers(const Grid& grid, int index)
{
    std::vector<int> peers;
    const int value = grid[static_cast<std::size_t>(index)].GetValue();
    if (value == 0)
        return peers;
    for (int j = 0; j < kCellCount; ++j)
        if (j != index && grid[static_cast<std::size_t>(j)].GetValue() == value && SameLine(index, j))
            peers.push_back(j);
    return peers;
}

// The window runs this after every change, Solve's included: a sound board
// costs one look at each cell, and only a digit that stands twice in one of
// its row, column or box has its peers sought.
Conflicts FindConflicts(const Grid& grid)
{
    std::array<DigitMask, kBoardSize> rowSeen{}, columnSeen{}, boxSeen{};
    std::array<DigitMask, kBoardSize> rowTwice{}, columnTwice{}, boxTwice{};
    const auto note = [](DigitMask& seen, DigitMask& twice, DigitMask bit) {
        twice |= seen & bit;
        seen |= bit;
    };
    for (int i = 0; i < kCellCount; ++i) {
        const int value = grid[static_cast<std::size_t>(i)].GetValue();
        if (value == 0)
            continue;
        const DigitMask bit = DigitBit(value);
        const CPlace& p = PlaceOf(i);
        note(rowSeen[p.row], rowTwice[p.row], bit);
        note(columnSeen[p.column], columnTwice[p.column], bit);
        note(boxSeen[p.box], boxTwice[p.box], bit);
    }
    Conflicts conflicts;
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = grid[static_cast<std::size_t>(i)];
        if (cell.GetValue() == 0) {
            conflicts[static_cast<std::size_t>(i)].noDigitLeft = cell.CandidateCount() == 0;
            continue;
        }
        const CPlace& p = PlaceOf(i);
        const DigitMask twice = rowTwice[p.row] | columnTwice[p.column] | boxTwice[p.box];
        if (twice & DigitBit(cell.GetValue()))
            conflicts[static_cast<std::size_t>(i)].sameDigit = SameDigitPeers(grid, i);
    }
    return conflicts;
}

bool Contradicts(const Conflicts& conflicts)
{
    return std::any_of(conflicts.begin(), conflicts.end(), [](const CConflict& c) { return c.Any(); });
}

bool GivensContradict(const Grid& grid)
{
    Values givens{};
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = grid[static_cast<std::size_t>(i)];
        if (cell.HowFilled() == Fill::Given)
            givens[static_cast<std::size_t>(i)] = cell.GetValue();
    }
    return CountSolutions(givens, 1).count == 0;
}
