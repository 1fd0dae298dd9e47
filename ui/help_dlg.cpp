// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "help_dlg.h"

#include "about_dlg.h"
#include "keys_dlg.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

struct HelpLine {
    int x, y, width, height;
    const char* text;
};

constexpr HelpLine kLines[] = {
    //: The window shows this sentence in two parts, one under the other: it
    //: goes on in "in this program, I will consider...".
    {7, 7, 233, 18,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "This program can help to solve Zifrel puzzles. In version 1.00, it cannot handle the most "
                       "difficult or extreme puzzles. If there is sufficient interest")},
    //: The end of the sentence "... If there is sufficient interest".
    {7, 23, 289, 18,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "in this program, I will consider adding the ability to generate puzzles of specified "
                       "difficulty and also adding more advanced solving abilities.")},
    {7, 43, 289, 18,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "Zifrel cells - you can click on a cell and enter a number. Be careful not to click and move "
                       "or you might not select the entire cell. Use the arrow keys to navigate between cells.")},
    {7, 63, 94, 8, QT_TRANSLATE_NOOP("CHelpDlg", "Help - calls up this help dialog")},
    {7, 74, 289, 8, QT_TRANSLATE_NOOP("CHelpDlg", "Clear - clears all the cells.")},
    {7, 84, 289, 8, QT_TRANSLATE_NOOP("CHelpDlg", "Reset - resets the game back to the last Set status.")},
    {7, 95, 256, 8,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "Set - sets the current game status into memory for later recall by the Reset button.")},
    {7, 106, 214, 8,
     QT_TRANSLATE_NOOP("CHelpDlg", "Load - recalls a game status saved by the Save button to a disk file.")},
    {7, 117, 235, 8,
     QT_TRANSLATE_NOOP("CHelpDlg", "Save - saves a game status to a disk file for later recall by the Load button.")},
    {7, 128, 215, 8,
     QT_TRANSLATE_NOOP("CHelpDlg", "Solve - attempts to solve the entire puzzle with a single button press.")},
    {7, 139, 289, 17,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "Pass - runs through all cells to update the currently known possible remaining values for "
                       "each cell.")},
    {7, 159, 289, 18,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "Cell - runs one cell at a time to update thee currently known possible remaining values for "
                       "that cell.")},
    {7, 178, 286, 8,
     QT_TRANSLATE_NOOP("CHelpDlg",
                       "Start - sets the current cell back to the upper lefthand cell for processing by the Cell "
                       "button.")},
};

// What this version adds, below the texts above, so that the window says
// nothing untrue of the program.
constexpr HelpLine kAdded[] = {
    {7, 199, 233, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "This version can also make puzzles, of four levels. What it adds, each also in the menus above the board:")},
    {7, 217, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "New Puzzle (Ctrl+N) - a puzzle with one solution, of the level chosen last; Ctrl+1 to Ctrl+4 choose level 1 to 4.")},
    {7, 236, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "Check Puzzle (Ctrl+K) - tells whether the board has no solution, one or more, and the level at which Zifrel's rules finish it.")},
    {7, 255, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg", "Hint (Ctrl+H) - points at the cell to look at next; pressed again, it tells the digit and why.")},
    {7, 274, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "Explanations (Shift+F1, or rest the pointer on a cell) - why a cell holds its digit, or why its other digits went.")},
    {7, 293, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "Undo (Ctrl+Z), Redo (Ctrl+Y) - step through every change to the board; Copy and Paste Puzzle: Ctrl+Shift+C and Ctrl+Shift+V.")},
    {7, 312, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "Larger, Smaller, Normal Size (Ctrl+Plus, Ctrl+Minus, Ctrl+0) - scale the board, as resizing the window does; the size is kept.")},
    {7, 331, 289, 16,
     QT_TRANSLATE_NOOP(
         "CHelpDlg",
         "Print (Ctrl+P) - prints the board as shown, pencil marks if asked; Print New Puzzles (Ctrl+Shift+P) adds their solutions.")},
    {7, 350, 289, 16, QT_TRANSLATE_NOOP("CHelpDlg", "Keys (Ctrl+?) - lists every key. F1 opens this help.")},
};

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent) : CDialogTemplate(parent, tr("Help"), 303, 376)
{
    about_ = AddButton(246, 7, 50, 14, tr("&About"));
    about_->setAutoDefault(false);
    connect(about_, &QPushButton::clicked, this, &CHelpDlg::OnAbout);
    for (const HelpLine& line : kLines)
        AddText(line.x, line.y, line.width, line.height, tr(line.text));
    keys_ = AddButton(246, 199, 50, 14, tr("&Keys"));
    keys_->setAutoDefault(false);
    connect(keys_, &QPushButton::clicked, this, &CHelpDlg::OnKeys);
    for (const HelpLine& line : kAdded)
        AddText(line.x, line.y, line.width, line.height, tr(line.text));
    LayOutTexts();
}

void CHelpDlg::OnKeys()
{
    CKeysDlg keys(this);
    keys.exec();
}

void CHelpDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
