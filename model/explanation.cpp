// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "explanation.h"

#include "guidance.h"

#include <algorithm>

namespace {

// The cells of box that keep passes, in board order.
template <typename Keep>
std::vector<int> CellsOfBox(int box, Keep keep)
{
    std::vector<int> cells;
    for (int k = 0; k < kBoardSize; ++k)
        if (keep(BoxCell(box, k)))
            cells.push_back(BoxCell(box, k));
    return cells;
}

// The cells of cited that fail holds.
template <typename Holds>
std::vector<int> Failing(const std::vector<int>& cited, Holds holds)
{
    std::vector<int> failing;
    std::copy_if(cited.begin(), cited.end(), std::back_inserter(failing), [&](int i) { return !holds(i); });
    return failing;
}

CExplanationLine RuledOut(const Grid& grid, int index, int digit, const CReason& reason)
{
    CExplanationLine line{Statement::RuledOut, digit, 0, reason, {}, {}, -1};
    const auto ruledOutIn = [&grid, digit](int i) { return !grid[static_cast<std::size_t>(i)].IsOpen(digit); };
    switch (reason.rule) {
    case Rule::Row:
    case Rule::Column:
    case Rule::Box:
        line.cited = {reason.a};
        line.lapsed = Failing(line.cited,
                              [&grid, digit](int i) { return grid[static_cast<std::size_t>(i)].GetValue() == digit; });
        break;
    case Rule::Band:
        line.cited = CellsOfBox(reason.a, [index](int i) { return RowOf(i) != RowOf(index); });
        line.lapsed = Failing(line.cited, ruledOutIn);
        break;
    case Rule::Stack:
        line.cited = CellsOfBox(reason.a, [index](int i) { return ColumnOf(i) != ColumnOf(index); });
        line.lapsed = Failing(line.cited, ruledOutIn);
        break;
    case Rule::RowPair:
    case Rule::ColumnPair: {
        line.cited = {std::min(reason.a, reason.b), std::max(reason.a, reason.b)};
        const auto pair = static_cast<DigitMask>(DigitBit(digit) | (reason.other ? DigitBit(reason.other) : 0));
        line.lapsed = Failing(line.cited, [&grid, pair](int i) {
            const auto open = static_cast<DigitMask>(grid[static_cast<std::size_t>(i)].CandidateMask());
            return open != 0 && (open & ~pair) == 0;
        });
        break;
    }
    case Rule::None: line.what = Statement::RuledOutWithoutReason; break;
    }
    return line;
}

// A statement that rests on no other cell.
CExplanationLine Plain(Statement what, int digit = 0, DigitMask digits = 0)
{
    return {what, digit, digits, {}, {}, {}, -1};
}

// Why digit cannot go in cell, another empty cell of the box of the cell
// that it filled: the digit standing in cell's row, then its column,
// outside that box, as the board is now; else the reason cell keeps.
CExplanationLine CannotGoThere(const Grid& grid, int cell, int digit, int box)
{
    const auto holderIn = [&](int unit) {
        for (int i : kGeometry.unitCells[static_cast<std::size_t>(unit)])
            if (BoxOf(i) != box && grid[static_cast<std::size_t>(i)].GetValue() == digit)
                return i;
        return -1;
    };
    CExplanationLine line;
    if (const int holder = holderIn(RowOf(cell)); holder >= 0)
        line = {Statement::CannotGoThere, digit, 0, {Rule::Row, static_cast<std::uint8_t>(holder)}, {holder}, {}, -1};
    else if (const int inColumn = holderIn(kBoardSize + ColumnOf(cell)); inColumn >= 0)
        line = {Statement::CannotGoThere,
                digit,
                0,
                {Rule::Column, static_cast<std::uint8_t>(inColumn)},
                {inColumn},
                {},
                -1};
    else
        line = RuledOut(grid, cell, digit, grid[static_cast<std::size_t>(cell)].Reason(digit));
    line.what = Statement::CannotGoThere;
    line.about = cell;
    return line;
}

// What contradicts the board at index, as it is now.
void AddContradictions(const Grid& grid, int index, CCellExplanation& explanation)
{
    const CCell& cell = grid[static_cast<std::size_t>(index)];
    for (int peer : SameDigitPeers(grid, index))
        explanation.lines.push_back({Statement::AlsoStands, cell.GetValue(), 0, {}, {peer}, {}, -1});
    if (cell.GetValue() != 0 || cell.CandidateMask() != 0)
        return;
    const CBlame blame = Blame(grid);
    switch (blame.who) {
    case CBlame::Who::Givens: explanation.lines.push_back(Plain(Statement::NoDigitLeft)); break;
    case CBlame::Who::Entries:
        explanation.lines.push_back({Statement::NoDigitLeftByEntries, 0, 0, {}, blame.entries, {}, -1});
        break;
    case CBlame::Who::NoOne:
        explanation.lines.push_back(
            Plain(blame.anyEntries ? Statement::NoDigitLeftYetEntriesAllow : Statement::NoDigitLeftYetGivensAllow));
        break;
    }
}

// The first line: what the cell holds or may hold, and how it came to.
CExplanationLine Header(const Grid& grid, int index, DigitMask leftBehind)
{
    const CCell& cell = grid[static_cast<std::size_t>(index)];
    const int value = cell.GetValue();
    if (value == 0)
        return Plain(Statement::StillPossible, 0, static_cast<DigitMask>(cell.CandidateMask() & ~leftBehind));
    switch (cell.HowFilled()) {
    case Fill::Given: return Plain(Statement::Given, value);
    case Fill::Entered: return Plain(Statement::Entered, value);
    case Fill::Single: return Plain(Statement::FoundSingle, value);
    case Fill::OnlyInBox: break;
    }
    // Cites the cells that no longer bear it out: those are what the board
    // shows against it.
    CExplanationLine line = Plain(Statement::FoundOnlyInBox, value);
    line.cited =
        CellsOfBox(BoxOf(index), [&](int i) { return i != index && grid[static_cast<std::size_t>(i)].IsOpen(value); });
    line.lapsed = line.cited;
    return line;
}

} // namespace

bool CCellExplanation::AnyLapsed() const
{
    return std::any_of(lines.begin(), lines.end(), [](const CExplanationLine& line) { return !line.lapsed.empty(); });
}

CCellExplanation ExplainCell(const Grid& grid, int index)
{
    CCellExplanation explanation;
    const CCell& cell = grid[static_cast<std::size_t>(index)];
    const int value = cell.GetValue();
    if (value == 0 && cell.ExcludedMask() == 0)
        return explanation;
    const DigitMask leftBehind = LeftBehindMarks(grid, index);
    explanation.lines.push_back(Header(grid, index, leftBehind));
    AddContradictions(grid, index, explanation);
    for (int d = 1; d <= 9; ++d)
        if (leftBehind & DigitBit(d))
            explanation.lines.push_back({Statement::LeftBehind, d, 0, {}, {FirstHolder(grid, index, d)}, {}, -1});
    if (cell.HowFilled() == Fill::OnlyInBox && value != 0) {
        for (int i : CellsOfBox(BoxOf(index), [&](int i) {
                 const CCell& other = grid[static_cast<std::size_t>(i)];
                 return i != index && other.GetValue() == 0 && !other.IsOpen(value);
             }))
            explanation.lines.push_back(CannotGoThere(grid, i, value, BoxOf(index)));
        return explanation;
    }
    for (int d = 1; d <= 9; ++d) {
        const CReason reason = cell.Reason(d);
        // A filled cell's other digits went when it was filled; only those
        // a rule took before are told.
        if (reason.rule != Rule::None || (value == 0 && !cell.IsOpen(d)))
            explanation.lines.push_back(RuledOut(grid, index, d, reason));
    }
    return explanation;
}
