// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "entry_review.h"

#include "board_messages.h"

QString CEntryReview::Tell(const QString& sentence, const Grid& grid)
{
    check_ = CheckEntries(grid);
    seen_ = SeenOf(grid);
    return WithEntries(sentence, check_);
}

std::optional<CExplanation> CEntryReview::Outline(const Grid& grid) const
{
    if (!seen_ || check_.differing.empty() || *seen_ != SeenOf(grid))
        return std::nullopt;
    return DifferingEntries(grid, check_);
}

CEntryReview::Seen CEntryReview::SeenOf(const Grid& grid)
{
    Seen seen{};
    for (std::size_t i = 0; i < grid.size(); ++i)
        seen[i] = {grid[i].GetValue(), grid[i].GetValue() != 0 ? grid[i].HowFilled() : Fill::Given};
    return seen;
}
