// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "help_dlg.h"

#include "about_dlg.h"

#include <QPushButton>

namespace {

struct HelpLine {
    int x, y, width, height;
    const char* text;
};

constexpr HelpLine kLines[] = {
    {7, 7, 233, 18, "This program can help to solve Zifrel puzzles. In version 1.00, it cannot handle the most "
                    "difficult or extreme puzzles. If there is sufficient interest"},
    {7, 23, 289, 18, "in this program, I will consider adding the ability to generate puzzles of specified "
                     "difficulty and also adding more advanced solving abilities."},
    {7, 43, 289, 18, "Zifrel cells - you can click on a cell and enter a number. Be careful not to click and move "
                     "or you might not select the entire cell. Use the arrow keys to navigate between cells."},
    {7, 63, 94, 8, "Help - calls up this help dialog"},
    {7, 74, 289, 8, "Clear - clears all the cells."},
    {7, 84, 289, 8, "Reset - resets the game back to the last Set status."},
    {7, 95, 256, 8, "Set - sets the current game status into memory for later recall by the Reset button."},
    {7, 106, 214, 8, "Load - recalls a game status saved by the Save button to a disk file."},
    {7, 117, 235, 8, "Save - saves a game status to a disk file for later recall by the Load button."},
    {7, 128, 215, 8, "Solve - attempts to solve the entire puzzle with a single button press."},
    {7, 139, 289, 17, "Pass - runs through all cells to update the currently known possible remaining values for "
                      "each cell."},
    {7, 159, 289, 18, "Cell - runs one cell at a time to update thee currently known possible remaining values for "
                      "that cell."},
    {7, 178, 286, 8, "Start - sets the current cell back to the upper lefthand cell for processing by the Cell "
                     "button."},
};

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent) : CDialogTemplate(parent, QStringLiteral("Help"), 303, 196)
{
    about_ = AddButton(246, 7, 50, 14, QStringLiteral("&About"));
    about_->setAutoDefault(false);
    connect(about_, &QPushButton::clicked, this, &CHelpDlg::OnAbout);
    for (const HelpLine& line : kLines)
        AddText(line.x, line.y, line.width, line.height, QString::fromLatin1(line.text));
    LayOutTexts();
}

void CHelpDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
