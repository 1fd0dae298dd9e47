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

// What shows a board: told, once at the end of each command that changed
// any, which working cells changed, so that it reads those cells again.
class CBoardDisplay {
public:
    virtual ~CBoardDisplay() = default;
    virtual void OnCellsChanged(const CCellSet& cells) = 0;
};

// The board behind the window: the working grid that is shown and solved,
// the snapshot values that Set captures and Reset restores, and the cursor
// of the Cell button. Each command is what one button does, and ends by
// telling the display which cells it changed.
class CBoard {
public:
    // The puzzle file, fixed and relative to the current directory.
    static constexpr const char* kPuzzleFileName = "Zifrel.zfr";
    // Larger files are never puzzles; Load does not read them.
    static constexpr std::size_t kMaxPuzzleFileBytes = 4096;

    explicit CBoard(CFileSystem& fs = CFileSystem::System()) : fs_(fs) {}

    // A cell changed through these reaches the display with the next
    // command, or with UpdateDisplay.
    CCell& Cell(int row, int column) { return working_[CellIndex(row, column)]; }
    const CCell& Cell(int row, int column) const { return working_[CellIndex(row, column)]; }
    Grid& Working() { return working_; }
    const Grid& Working() const { return working_; }
    Values WorkingValues() const;

    int CursorRow() const { return cursorRow_; }
    int CursorColumn() const { return cursorColumn_; }

    // Clear: empties every working cell. Snapshot and cursor stay.
    void OnClear();
    // Set: every working cell takes its value from values, losing its pencil
    // marks; the snapshot takes the same. The window gives what each cell
    // shows. Without values, every cell keeps its own.
    void OnSet(const Values& values);
    void OnSet() { OnSet(WorkingValues()); }
    // Reset: every working cell takes its snapshot value.
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
    // The values the puzzle file holds now, as Load would take them;
    // nullopt when Load would take none. The board does not change.
    std::optional<Values> FileValues() const;
    // Every working cell takes the given value through SetValue, as Load does.
    void LoadValues(const Values& values);
    // A digit typed into one cell (0 empties it): the person's entry (see
    // CCell::Enter). Set makes the entries givens.
    void SetValue(int row, int column, int v);

    CBoardState State() const;
    // Takes over state: the working cells that differ are restored (and
    // redrawn), the snapshot and the cursor set.
    void Restore(const CBoardState& state);

    // Every command tells display which working cells it changed; nullptr
    // for none. The display must outlive its use here.
    void SetDisplay(CBoardDisplay* display) { display_ = display; }
    // Tells the display of every working cell changed since it was last
    // told (each cell notes its own change): every command ends with it.
    void UpdateDisplay();

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
    std::array<std::int8_t, kCellCount> snapshot_{};
    int cursorRow_ = 8;
    int cursorColumn_ = 8;
    CFileSystem& fs_;
    CDeductionObserver* observer_ = nullptr;
    CBoardDisplay* display_ = nullptr;
    Reasons reasons_ = Reasons::Kept;
    // Runs command on a sweep made for this board's grid, observer and
    // reasons.
    template <typename Command>
    auto WithSweep(Command command);
};
