// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "about_dlg.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : CDialogTemplate(parent, tr("About Zifrel"), 235, 119)
{
    // Created first, so that the OK button has the focus.
    ok_ = AddButton(178, 7, 50, 14, tr("&OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    AddIcon(11, 17, 20, 20);
    AddText(40, 10, 135, 8, tr("Zifrel Version 1.00, 2007-01-01"));
    AddText(40, 25, 163, 17,
            tr("Solves number-placement puzzles by logic alone, one cell or one "
               "sweep at a time."));
    AddText(11, 47, 211, 34,
            tr("Type the givens into the cells, then press Cell, Pass or Solve. "
               "A cell that is not yet settled shows the digits still possible "
               "for it."));
    AddText(11, 82, 211, 26,
            tr("It never guesses: a puzzle its rules cannot finish stays partly "
               "open. Copyright 2026 The Zifrel developers, MIT License."));
    LayOutTexts();
}
