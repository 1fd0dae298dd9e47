// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"
#include "deduction.h"
#include "file_system.h"
#include "puzzle_text.h"
#include "safe_file.h"

#include <string>

// The whole of a board's state: working cells, snapshot and cursor.
struct CBoardState {
    std::array<CCellState, kCellCount> working{};
    std::array<std::int8_t, kCellCount> snapshot{};
    int cursorRow = 8;
    int cursorColumn = 8;
    bool operator==(const CBoardState&) const = default;
};

// The board behind the window: the working grid that is shown and solved,
// the snapshot grid that Set captures and Reset restores, and the cursor of
// the Cell button. Each command is what one button does. Commands change
// cells only through CCell, so they behave the same with or without bound
// controls.
class CBoard {
public:
    // The puzzle file, fixed and relative to the current directory.
    static constexpr const char* kPuzzleFileName = "Zifrel.zfr";
    // Larger files are never puzzles; Load does not read them.
    static constexpr std::size_t kMaxPuzzleFileBytes = 4096;

    explicit CBoard(CFileSystem& fs = CFileSystem::System()) : fs_(fs) {}

    CCell& Cell(int row, int column) { return working_[CellIndex(row, column)]; }
    const CCell& Cell(int row, int column) const { return working_[CellIndex(row, column)]; }
    const CCell& SnapshotCell(int row, int column) const { return snapshot_[CellIndex(row, column)]; }
    Grid& Working() { return working_; }
    const Grid& Working() const { return working_; }
    Values WorkingValues() const;

    int CursorRow() const { return cursorRow_; }
    int CursorColumn() const { return cursorColumn_; }

    // Clear: empties every working cell. Snapshot and cursor stay.
    void OnClear();
    // Set: every working cell takes the value its control shows (a single
    // digit, else empty), losing its pencil marks; the snapshot takes the same.
    void OnSet();
    // Reset: every working cell takes its snapshot cell's value.
    void OnReset();
    // One sweep of UpdateCell over all cells, row by row, left to right.
    // True when any cell changed.
    bool DoPass();
    void OnPass() { DoPass(); }
    // Sweeps until a sweep changes nothing; returns how many it ran.
    int OnSolve();
    // Cell: advances the cursor to the next cell, wrapping from the bottom
    // right to the top left, and works on it. True when it changed.
    bool OnCellStep();
    // Start: the next Cell works on the top left cell.
    void OnStart();

    // What came of a Load: the file could not be read (file says why), or
    // its text is no puzzle (puzzle says why), or the puzzle was loaded.
    struct CLoadResult {
        CFileResult file;
        CPuzzleFileError puzzle;
        explicit operator bool() const { return file && puzzle.kind == CPuzzleFileError::None; }
    };

    // Save: writes the working values to the puzzle file, keeping it whole
    // (see WriteFileSafely). Load: reads it back into the working grid
    // through SetValue if it holds a puzzle; otherwise nothing changes. Both
    // say why they failed, for the window to tell the user.
    CFileResult OnSave();
    CLoadResult OnLoad();
    // Every working cell takes the given value through SetValue, as Load does.
    void LoadValues(const Values& values);

    CBoardState State() const;
    // Takes over state: the working cells that differ are restored (and
    // redrawn), the snapshot and the cursor set.
    void Restore(const CBoardState& state);

    // Pass, Solve and Cell tell observer of every step they take; nullptr
    // for none. The observer must outlive its use here.
    void SetObserver(CDeductionObserver* observer) { observer_ = observer; }
    // Whether Pass, Solve and Cell keep in each cell why its digits went
    // (see Reasons; kept unless told otherwise, and always while an
    // observer is set). A board whose reasons nobody reads runs faster
    // without them.
    void SetReasons(Reasons reasons) { reasons_ = reasons; }

private:
    Grid working_{};
    Grid snapshot_{};
    int cursorRow_ = 8;
    int cursorColumn_ = 8;
    CFileSystem& fs_;
    CDeductionObserver* observer_ = nullptr;
    Reasons reasons_ = Reasons::Kept;
    // Runs command on a sweep made for this board's grid, observer and
    // reasons.
    template <typename Command>
    auto WithSweep(Command command);
};
