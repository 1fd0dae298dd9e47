// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// The changes made to a board, for undo and redo. Each keeps only what it
// changed: the cells, the snapshot values and the cursor, before and after,
// so a typed digit costs a few dozen bytes and a Solve a few kilobytes.
// Holds up to its limit of changes, dropping the oldest beyond it.
class CHistory {
public:
    explicit CHistory(std::size_t limit = 1000) : limit_(limit) {}

    // Notes that the command called name took the board from before to
    // after. A command that changed nothing is not noted. Drops whatever
    // could have been redone.
    void Record(const std::string& name, const CBoardState& before, const CBoardState& after);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < changes_.size(); }
    // The name of the change Undo (Redo) would take back (make again).
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // Take the board back to before the last change, or forward again
    // after an undo; false when there is nothing to undo (redo).
    bool Undo(CBoard& board);
    bool Redo(CBoard& board);

    std::size_t Size() const { return changes_.size(); }

private:
    struct CCellChange {
        std::uint8_t index;
        CCellState before;
        CCellState after;
    };
    struct CSnapshotChange {
        std::uint8_t index;
        std::int8_t before;
        std::int8_t after;
    };
    struct CChange {
        std::string name;
        std::vector<CCellChange> cells;
        std::vector<CSnapshotChange> snapshot;
        int cursorBefore[2];
        int cursorAfter[2];
    };
    void Apply(CBoard& board, const CChange& change, bool forward) const;

    std::size_t limit_;
    std::deque<CChange> changes_;
    std::size_t done_ = 0;
};
