// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "history.h"

namespace {

const std::string kNothing;

} // namespace

void CHistory::Record(const std::string& name, const CBoardState& before, const CBoardState& after)
{
    CChange change{name, {}, {}, {before.cursorRow, before.cursorColumn}, {after.cursorRow, after.cursorColumn}};
    for (std::size_t i = 0; i < before.working.size(); ++i) {
        if (before.working[i] != after.working[i])
            change.cells.push_back({static_cast<std::uint8_t>(i), before.working[i], after.working[i]});
        if (before.snapshot[i] != after.snapshot[i])
            change.snapshot.push_back({static_cast<std::uint8_t>(i), before.snapshot[i], after.snapshot[i]});
    }
    const bool cursorMoved = before.cursorRow != after.cursorRow || before.cursorColumn != after.cursorColumn;
    if (change.cells.empty() && change.snapshot.empty() && !cursorMoved)
        return;
    changes_.erase(changes_.begin() + static_cast<std::ptrdiff_t>(done_), changes_.end());
    changes_.push_back(std::move(change));
    if (changes_.size() > limit_)
        changes_.pop_front();
    done_ = changes_.size();
}

const std::string& CHistory::UndoName() const { return CanUndo() ? changes_[done_ - 1].name : kNothing; }

const std::string& CHistory::RedoName() const { return CanRedo() ? changes_[done_].name : kNothing; }

bool CHistory::Undo(CBoard& board)
{
    if (!CanUndo())
        return false;
    Apply(board, changes_[--done_], false);
    return true;
}

bool CHistory::Redo(CBoard& board)
{
    if (!CanRedo())
        return false;
    Apply(board, changes_[done_++], true);
    return true;
}

void CHistory::Apply(CBoard& board, const CChange& change, bool forward) const
{
    CBoardState state = board.State();
    for (const CCellChange& cell : change.cells)
        state.working[cell.index] = forward ? cell.after : cell.before;
    for (const CSnapshotChange& value : change.snapshot)
        state.snapshot[value.index] = forward ? value.after : value.before;
    const int* cursor = forward ? change.cursorAfter : change.cursorBefore;
    state.cursorRow = cursor[0];
    state.cursorColumn = cursor[1];
    board.Restore(state);
}
