// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"
#include "dialog.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <map>

class CCellEdit;
class QMenu;
class QPushButton;

// The board window: 81 cells and ten buttons, each button running one
// command of the board it owns. The cells show the working grid; typing a
// digit into one sets that cell, and the arrow keys move between cells.
class CBoardDlg : public CDialog {
    Q_OBJECT

public:
    // The buttons, by the identifiers the layout gives them.
    enum ButtonId {
        IdSolve = 1082, IdReset = 1083, IdClear = 1084, IdSet = 1085, IdPass = 1086,
        IdSave = 1087, IdLoad = 1088, IdCell = 1091, IdStart = 1092, IdHelp = 1093,
    };

    explicit CBoardDlg(CFileSystem& fs = CFileSystem::System(), QWidget* parent = nullptr);
    ~CBoardDlg() override;

    CBoard& Board() { return board_; }
    CCellEdit* CellControl(int row, int column) const { return cells_[CellIndex(row, column)]; }
    QPushButton* Button(ButtonId id) const { return buttons_.at(id); }
    // The window's own menu: Minimize, Close and About.
    QMenu* WindowMenu() const { return windowMenu_; }
    const QFont& ValueFont() const { return valueFont_; }
    const QFont& CandidateFont() const { return candidateFont_; }

    void OnClear() { board_.OnClear(); }
    void OnSet() { board_.OnSet(); }
    void OnReset() { board_.OnReset(); }
    void OnPass() { board_.OnPass(); }
    void OnSolve() { board_.OnSolve(); }
    void OnCellStep() { board_.OnCellStep(); }
    void OnStart() { board_.OnStart(); }
    void OnLoad() { board_.OnLoad(); }
    void OnSave() { board_.OnSave(); }
    void OnHelp();
    void OnAbout();
    // Opens the window menu at the window's top left, unless it is open.
    void OpenWindowMenu();

    // The whole text of a cell is selected when it gains the focus.
    void OnCellFocus(int row, int column);
    // Takes over what the user typed into a cell.
    void OnCellChange(int row, int column);
    // Moves the focus from the focused cell (or the top left one) by the
    // steps, wrapping within its row and column.
    void OnMoveFocus(int columnStep, int rowStep);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateCells();
    void CreateButtons();
    void CreateWindowMenu();
    void BindCells();

    CBoard board_;
    QFont valueFont_;
    QFont candidateFont_;
    std::array<CCellEdit*, kCellCount> cells_{};
    std::map<ButtonId, QPushButton*> buttons_;
    QMenu* windowMenu_ = nullptr;
};
