// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell_explanation.h"
#include "guidance.h"

#include <QString>

#include <array>
#include <optional>

// What Check Puzzle tells of the person's entries: beside its sentence, how
// many of them differ from the puzzle's solution, where the givens have
// exactly one; and, pressed again while the board stays as it was, those
// entries, each on a line of its own that outlines its cell.
class CEntryReview {
public:
    // sentence, with what the entries of grid come to; remembers them.
    QString Tell(const QString& sentence, const Grid& grid);
    // The entries that differ, when Check Puzzle last told of grid as it
    // stands now and found any.
    std::optional<CExplanation> Outline(const Grid& grid) const;

private:
    // What each cell held, and how, when the entries were last told of.
    using Seen = std::array<std::pair<int, Fill>, kCellCount>;
    static Seen SeenOf(const Grid& grid);

    CEntryCheck check_;
    std::optional<Seen> seen_;
};
