// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "keys_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

struct KeyRow {
    const char* keys;
    const char* does;
};

// In the order a person meets them: the board, the buttons, the menus.
constexpr KeyRow kKeys[] = {
    {QT_TRANSLATE_NOOP("CKeysDlg", "Arrow keys"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Move between the cells, wrapping around within the row or column")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "1 to 9"), QT_TRANSLATE_NOOP("CKeysDlg", "Fill the focused cell with that digit")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "0"), QT_TRANSLATE_NOOP("CKeysDlg", "Empty the focused cell")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Tab, Shift+Tab"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Move through the cells, then the buttons")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Space, Enter"), QT_TRANSLATE_NOOP("CKeysDlg", "Press the focused button")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Shift+F1"), QT_TRANSLATE_NOOP("CKeysDlg", "Explain the focused cell")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+C, Ctrl+V"),
     QT_TRANSLATE_NOOP("CKeysDlg", "In a cell: copy its text; paste a whole puzzle, or other text into the cell")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+S"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Solve: sweep until a sweep changes nothing")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+P"), QT_TRANSLATE_NOOP("CKeysDlg", "Pass: one sweep over all cells")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+C"), QT_TRANSLATE_NOOP("CKeysDlg", "Cell: work on the next cell")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+A"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Start: the next Cell works on the top left cell")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+T"), QT_TRANSLATE_NOOP("CKeysDlg", "Set: keep the board in memory")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+R"), QT_TRANSLATE_NOOP("CKeysDlg", "Reset: bring back the board kept by Set")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+E"), QT_TRANSLATE_NOOP("CKeysDlg", "Clear: empty every cell")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+V"), QT_TRANSLATE_NOOP("CKeysDlg", "Save: write the board to Zifrel.zfr")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+L"), QT_TRANSLATE_NOOP("CKeysDlg", "Load: read the board from Zifrel.zfr")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+H"), QT_TRANSLATE_NOOP("CKeysDlg", "Help: one line on each button")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+N"),
     QT_TRANSLATE_NOOP("CKeysDlg", "New Puzzle of the level chosen last (level 1 at first)")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+1, Ctrl+2, Ctrl+3, Ctrl+4"),
     QT_TRANSLATE_NOOP("CKeysDlg",
                       "New Puzzle of level 1 (Singles), 2 (Box and Line), 3 (Pairs) or 4 (Beyond the Rules)")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+K"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Check Puzzle: its solutions, and the level at which Zifrel's rules finish it")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+H"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Hint: where to look next; pressed again, the digit and why")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+P"), QT_TRANSLATE_NOOP("CKeysDlg", "Print the board as shown")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+Shift+P"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Print new puzzles of a level, with their solutions on a last page")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+Q"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Quit, asking first about digits not saved")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+Z"), QT_TRANSLATE_NOOP("CKeysDlg", "Undo the last change to the board")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+Shift+Z, Ctrl+Y"), QT_TRANSLATE_NOOP("CKeysDlg", "Redo it")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+Shift+C"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Copy Puzzle: the board as one line of 81 cells")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+Shift+V"), QT_TRANSLATE_NOOP("CKeysDlg", "Paste Puzzle")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl++, Ctrl+="),
     QT_TRANSLATE_NOOP("CKeysDlg", "Larger: enlarge the board a step")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+-"), QT_TRANSLATE_NOOP("CKeysDlg", "Smaller: shrink the board a step")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+0"), QT_TRANSLATE_NOOP("CKeysDlg", "Normal Size")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "F1"), QT_TRANSLATE_NOOP("CKeysDlg", "Help")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Ctrl+?"), QT_TRANSLATE_NOOP("CKeysDlg", "This list of keys")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "F10"), QT_TRANSLATE_NOOP("CKeysDlg", "Open the menu bar")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Alt+G, Alt+D, Alt+I"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Open the Game, Edit or View menu")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Shift+F10, Menu"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Open the window menu (Alt+Space too, where the desktop leaves it to Zifrel)")},
    {QT_TRANSLATE_NOOP("CKeysDlg", "Escape"),
     QT_TRANSLATE_NOOP("CKeysDlg", "Close a hint, an explanation or a message; with none open, close the window")},
};

} // namespace

CKeysDlg::CKeysDlg(QWidget* parent)
    : CDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      table_(new QTableWidget(static_cast<int>(std::size(kKeys)), 2, this))
{
    setWindowTitle(tr("Keys"));
    table_->setAccessibleName(tr("Keys"));
    table_->setHorizontalHeaderLabels({tr("Key"), tr("What it does")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const KeyRow& key = kKeys[row];
        table_->setItem(row, 0, new QTableWidgetItem(QCoreApplication::translate("CKeysDlg", key.keys)));
        table_->setItem(row, 1, new QTableWidgetItem(QCoreApplication::translate("CKeysDlg", key.does)));
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    // Wide enough for every line; as tall as the screen allows.
    const int width = table_->horizontalHeader()->length() + table_->frameWidth() * 2 + 40;
    const int height = table_->verticalHeader()->length() + table_->horizontalHeader()->height() + 80;
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(std::min(width, room.width()), std::min(height, room.height()));
    table_->setFocus();
    table_->setCurrentCell(0, 0);
}
