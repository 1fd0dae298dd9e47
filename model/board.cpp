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
}

void CBoard::OnSet()
{
    for (int i = 0; i < kCellCount; ++i) {
        const int v = working_[i].ReadFromControl();
        working_[i].SetValue(v);
        snapshot_[i].SetValue(v);
    }
}

void CBoard::OnReset()
{
    for (int i = 0; i < kCellCount; ++i)
        working_[i].SetValue(snapshot_[i].GetValue());
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
    return WithSweep([](auto& sweep) { return sweep.Pass(); });
}

int CBoard::OnSolve()
{
    // Nothing but the sweeps changes cells until Solve returns, so one
    // bookkeeping serves them all.
    return WithSweep([](auto& sweep) {
        int sweeps = 1;
        while (sweep.Pass())
            ++sweeps;
        return sweeps;
    });
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
    return WithSweep([this](auto& sweep) { return sweep.UpdateCell(cursorRow_, cursorColumn_); });
}

void CBoard::OnStart()
{
    cursorRow_ = 8;
    cursorColumn_ = 8;
}

CFileResult CBoard::OnSave()
{
    return WriteFileSafely(kPuzzleFileName, FormatPuzzleFile(WorkingValues()), fs_);
}

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

void CBoard::LoadValues(const Values& values)
{
    for (int i = 0; i < kCellCount; ++i)
        working_[i].SetValue(values[i]);
}

CBoardState CBoard::State() const
{
    CBoardState state;
    for (int i = 0; i < kCellCount; ++i) {
        state.working[static_cast<std::size_t>(i)] = working_[static_cast<std::size_t>(i)].State();
        state.snapshot[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(snapshot_[static_cast<std::size_t>(i)].GetValue());
    }
    state.cursorRow = cursorRow_;
    state.cursorColumn = cursorColumn_;
    return state;
}

void CBoard::Restore(const CBoardState& state)
{
    for (int i = 0; i < kCellCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (working_[k].State() != state.working[k])
            working_[k].Restore(state.working[k]);
        if (snapshot_[k].GetValue() != state.snapshot[k])
            snapshot_[k].SetValue(state.snapshot[k]);
    }
    cursorRow_ = state.cursorRow;
    cursorColumn_ = state.cursorColumn;
}
