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
    CExplanationLine line{Statement::RuledOut, digit, 0, reason, {}, {}};
    const auto ruledOutIn = [&grid, digit](int i) { return !grid[static_cast<std::size_t>(i)].IsOpen(digit); };
    switch (reason.rule) {
    case Rule::Row:
    case Rule::Column:
    case Rule::Box:
        line.cited = {reason.a};
        line.lapsed = Failing(line.cited, [&grid, digit](int i) { return grid[static_cast<std::size_t>(i)].GetValue() == digit; });
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
    if (value == 0) {
        explanation.lines.push_back({Statement::StillPossible, 0, static_cast<DigitMask>(cell.CandidateMask()), {}, {}, {}});
    } else if (cell.HowFilled() == Fill::OnlyInBox) {
        CExplanationLine line{Statement::FoundOnlyInBox, value, 0, {}, {}, {}};
        line.cited = CellsOfBox(BoxOf(index), [index](int i) { return i != index; });
        line.lapsed = Failing(line.cited, [&grid, value](int i) { return !grid[static_cast<std::size_t>(i)].IsOpen(value); });
        explanation.lines.push_back(std::move(line));
    } else {
        explanation.lines.push_back({cell.HowFilled() == Fill::Single ? Statement::FoundSingle : Statement::Given, value, 0, {}, {}, {}});
    }
    for (int peer : SameDigitPeers(grid, index))
        explanation.lines.push_back({Statement::AlsoStands, value, 0, {}, {peer}, {}});
    if (value == 0 && cell.CandidateMask() == 0)
        explanation.lines.push_back(
            {GivensContradict(grid) ? Statement::NoDigitLeft : Statement::NoDigitLeftYetGivensAllow, 0, 0, {}, {}, {}});
    for (int d = 1; d <= 9; ++d) {
        const CReason reason = cell.Reason(d);
        // A filled cell's other digits went when it was filled; only those
        // a rule took before are told.
        if (reason.rule != Rule::None || (value == 0 && !cell.IsOpen(d)))
            explanation.lines.push_back(RuledOut(grid, index, d, reason));
    }
    return explanation;
}
