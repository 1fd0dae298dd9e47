// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "guidance.h"

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
    const int ra = a / kBoardSize, ca = a % kBoardSize, rb = b / kBoardSize, cb = b % kBoardSize;
    return ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3);
}

} // namespace

CHint FindHint(const Grid& grid)
{
    Grid copy = grid;
    // The copy must not write the window's controls.
    for (CCell& cell : copy)
        cell.AttachControl(nullptr);
    CFirstFill watch;
    {
        CSweep sweep(copy, &watch);
        while (watch.hint.cell < 0 && sweep.Pass()) {
        }
    }
    CHint hint = watch.hint;
    if (hint.cell < 0)
        return hint;
    for (const auto& [cell, step] : watch.ruledOut)
        if (cell == hint.cell)
            hint.steps.push_back(step);
    hint.filled = copy[static_cast<std::size_t>(hint.cell)].State();
    return hint;
}

Conflicts FindConflicts(const Grid& grid)
{
    Conflicts conflicts;
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = grid[static_cast<std::size_t>(i)];
        if (cell.GetValue() == 0) {
            conflicts[static_cast<std::size_t>(i)].noDigitLeft = cell.CandidateCount() == 0;
            continue;
        }
        for (int j = 0; j < kCellCount; ++j)
            if (j != i && grid[static_cast<std::size_t>(j)].GetValue() == cell.GetValue() && SameLine(i, j))
                conflicts[static_cast<std::size_t>(i)].sameDigit.push_back(j);
    }
    return conflicts;
}

bool Contradicts(const Conflicts& conflicts)
{
    return std::any_of(conflicts.begin(), conflicts.end(), [](const CConflict& c) { return c.Any(); });
}
