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

bool SameLine(int a, int b) { return RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BoxOf(a) == BoxOf(b); }

// The first fill of sweeps with the rules of kRules over a copy of grid,
// or none (cell -1) when they come to rest first.
template <Rules kRules>
CHint FirstFillWith(const Grid& grid)
{
    Grid copy = grid;
    CFirstFill watch;
    int sweeps = 0;
    {
        // Cell by cell, as a sweep goes, so that the copy stops at the very
        // moment of the fill.
        CSweepOf<Reasons::Kept, kRules> sweep(copy, &watch);
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
    hint.rules = kRules;
    hint.sweep = sweeps;
    for (const auto& [cell, step] : watch.ruledOut)
        if (cell == hint.cell)
            hint.steps.push_back(step);
    hint.grid = copy;
    return hint;
}

// How many Passes, with all the rules, put digit into cell; 0 when they
// come to rest first or put another digit there.
int PassesToFill(const Grid& grid, int cell, int digit)
{
    Grid copy = grid;
    CSweepWithoutReasons sweep(copy);
    for (int passes = 1;; ++passes) {
        const bool changed = sweep.Pass();
        if (const int value = copy[static_cast<std::size_t>(cell)].GetValue(); value != 0)
            return value == digit ? passes : 0;
        if (!changed)
            return 0;
    }
}

} // namespace

CHint FindHint(const Grid& grid)
{
    CHint hint = FirstFillWith<Rules::Singles>(grid);
    if (hint.cell < 0)
        hint = FirstFillWith<Rules::BoxAndLine>(grid);
    if (hint.cell < 0)
        hint = FirstFillWith<Rules::All>(grid);
    if (hint.cell >= 0)
        hint.passes = hint.rules == Rules::All ? hint.sweep : PassesToFill(grid, hint.cell, hint.digit);
    return hint;
}

CellMasks LeftBehindMarks(const Grid& grid)
{
    std::array<DigitMask, kBoardSize> row{}, column{}, box{};
    for (int i = 0; i < kCellCount; ++i) {
        const int value = grid[static_cast<std::size_t>(i)].GetValue();
        if (value == 0)
            continue;
        const CPlace& p = PlaceOf(i);
        row[p.row] |= DigitBit(value);
        column[p.column] |= DigitBit(value);
        box[p.box] |= DigitBit(value);
    }
    CellMasks marks{};
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = grid[static_cast<std::size_t>(i)];
        const CPlace& p = PlaceOf(i);
        if (cell.ShowsCandidates())
            marks[static_cast<std::size_t>(i)] =
                static_cast<DigitMask>(cell.CandidateMask() & (row[p.row] | column[p.column] | box[p.box]));
    }
    return marks;
}

DigitMask LeftBehindMarks(const Grid& grid, int index)
{
    const CCell& cell = grid[static_cast<std::size_t>(index)];
    if (!cell.ShowsCandidates())
        return 0;
    DigitMask placed = 0;
    kGeometry.peers[static_cast<std::size_t>(index)].ForEach([&](int j) {
        if (const int value = grid[static_cast<std::size_t>(j)].GetValue(); value != 0)
            placed |= DigitBit(value);
    });
    return static_cast<DigitMask>(cell.CandidateMask() & placed);
}

int FirstHolder(const Grid& grid, int index, int digit)
{
    int first = -1;
    kGeometry.peers[static_cast<std::size_t>(index)].ForEach([&](int j) {
        if (first < 0 && grid[static_cast<std::size_t>(j)].GetValue() == digit)
            first = j;
    });
    return first;
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

Values Givens(const Grid& grid)
{
    Values givens{};
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = grid[static_cast<std::size_t>(i)];
        if (cell.HowFilled() == Fill::Given)
            givens[static_cast<std::size_t>(i)] = cell.GetValue();
    }
    return givens;
}

bool GivensContradict(const Grid& grid) { return CountSolutions(Givens(grid), 1).count == 0; }

namespace {

std::vector<int> Entries(const Grid& grid)
{
    std::vector<int> entries;
    for (int i = 0; i < kCellCount; ++i)
        if (grid[static_cast<std::size_t>(i)].HowFilled() == Fill::Entered)
            entries.push_back(i);
    return entries;
}

} // namespace

// A count costs microseconds, and a board seldom holds more than a few
// dozen entries: the blame is worked out only for a cell with no digit left.
CBlame Blame(const Grid& grid)
{
    CBlame blame;
    const Values givens = Givens(grid);
    const std::vector<int> entries = Entries(grid);
    blame.anyEntries = !entries.empty();
    if (CountSolutions(givens, 1).count == 0) {
        blame.who = CBlame::Who::Givens;
        return blame;
    }
    Values withEntries = givens;
    for (int i : entries)
        withEntries[static_cast<std::size_t>(i)] = grid[static_cast<std::size_t>(i)].GetValue();
    if (entries.empty() || CountSolutions(withEntries, 1).count != 0)
        return blame;
    blame.who = CBlame::Who::Entries;
    for (int i : entries) {
        Values withOne = givens;
        withOne[static_cast<std::size_t>(i)] = grid[static_cast<std::size_t>(i)].GetValue();
        if (CountSolutions(withOne, 1).count == 0)
            blame.entries.push_back(i);
    }
    return blame;
}

CEntryCheck CheckEntries(const Grid& grid)
{
    CEntryCheck check;
    const std::vector<int> entries = Entries(grid);
    check.entries = static_cast<int>(entries.size());
    if (entries.empty())
        return check;
    const CSolutionCount count = CountSolutions(Givens(grid), 2);
    check.oneSolution = count.count == 1;
    if (!check.oneSolution)
        return check;
    for (int i : entries)
        if (grid[static_cast<std::size_t>(i)].GetValue() != count.solution[static_cast<std::size_t>(i)])
            check.differing.push_back(i);
    return check;
}
