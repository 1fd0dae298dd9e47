// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board.h"

Values CBoard::WorkingValues() const
{
    Values values{};
    for (int i = 0; i < kCellCount; ++i)
        values[i] = working_[i].GetValue();
    return values;
}

void CBoard::OnClear()
{
    for (CCell& cell : working_)
        cell.ClearCell();
    UpdateDisplay();
}

void CBoard::OnSet(const Values& values)
{
    for (int i = 0; i < kCellCount; ++i) {
        working_[i].SetValue(values[i]);
        snapshot_[i] = static_cast<std::int8_t>(values[i]);
    }
    UpdateDisplay();
}

void CBoard::OnReset()
{
    for (int i = 0; i < kCellCount; ++i)
        working_[i].SetValue(snapshot_[i]);
    UpdateDisplay();
}

template <typename Command>
auto CBoard::WithSweep(Command command)
{
    if (reasons_ == Reasons::Kept || observer_ != nullptr) {
        CSweep sweep(working_, observer_);
        return command(sweep);
    }
    CSweepWithoutReasons sweep(working_);
    return command(sweep);
}

bool CBoard::DoPass()
{
    const bool changed = WithSweep([](auto& sweep) { return sweep.Pass(); });
    UpdateDisplay();
    return changed;
}

int CBoard::OnSolve()
{
    // Nothing but the sweeps changes cells until Solve returns, so one
    // bookkeeping serves them all.
    const int sweeps = WithSweep([](auto& sweep) {
        int count = 1;
        while (sweep.Pass())
            ++count;
        return count;
    });
    UpdateDisplay();
    return sweeps;
}

bool CBoard::OnCellStep()
{
    ++cursorColumn_;
    if (cursorColumn_ >= kBoardSize || cursorColumn_ < 0) {
        cursorColumn_ = 0;
        ++cursorRow_;
    }
    if (cursorRow_ >= kBoardSize || cursorRow_ < 0)
        cursorRow_ = 0;
    const bool changed = WithSweep([this](auto& sweep) { return sweep.UpdateCell(cursorRow_, cursorColumn_); });
    UpdateDisplay();
    return changed;
}

void CBoard::OnStart()
{
    cursorRow_ = 8;
    cursorColumn_ = 8;
}

CFileResult CBoard::OnSave() { return WriteFileSafely(kPuzzleFileName, FormatPuzzleFile(WorkingValues()), fs_); }

CBoard::CLoadResult CBoard::OnLoad()
{
    CLoadResult result;
    const auto text = ReadSmallFile(kPuzzleFileName, kMaxPuzzleFileBytes, fs_, &result.file);
    if (!text)
        return result;
    if (const auto values = ParsePuzzleFile(*text, &result.puzzle))
        LoadValues(*values);
    return result;
}

std::optional<Values> CBoard::FileValues() const
{
    const auto text = ReadSmallFile(kPuzzleFileName, kMaxPuzzleFileBytes, fs_);
    return text ? ParsePuzzleFile(*text) : std::nullopt;
}

void CBoard::LoadValues(const Values& values)
{
    for (int i = 0; i < kCellCount; ++i)
        working_[i].SetValue(values[i]);
    UpdateDisplay();
}

void CBoard::SetValue(int row, int column, int v)
{
    Cell(row, column).Enter(v);
    UpdateDisplay();
}

CBoardState CBoard::State() const
{
    CBoardState state;
    for (std::size_t i = 0; i < working_.size(); ++i)
        state.working[i] = working_[i].State();
    state.snapshot = snapshot_;
    state.cursorRow = cursorRow_;
    state.cursorColumn = cursorColumn_;
    return state;
}

void CBoard::Restore(const CBoardState& state)
{
    for (std::size_t i = 0; i < working_.size(); ++i)
        if (working_[i].State() != state.working[i])
            working_[i].Restore(state.working[i]);
    snapshot_ = state.snapshot;
    cursorRow_ = state.cursorRow;
    cursorColumn_ = state.cursorColumn;
    UpdateDisplay();
}

void CBoard::UpdateDisplay()
{
    // Without a display the notes are left as they are: nobody reads them.
    if (!display_)
        return;
    CCellSet changed;
    for (int i = 0; i < kCellCount; ++i)
        if (working_[static_cast<std::size_t>(i)].TakeDisplayChange())
            changed.Add(i);
    if (!changed.Empty())
        display_->OnCellsChanged(changed);
}
