// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "close_question.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

CCloseQuestion::Answer CCloseQuestion::Ask(QWidget* window, const QString& path)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("CBoardDlg", text); };
    QMessageBox ask(QMessageBox::Question, tr("Zifrel"), tr("Save the puzzle before closing?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    ask.setInformativeText(tr("The board holds digits that are not in %1.").arg(path));
    ask.button(QMessageBox::Discard)->setText(tr("Close &Without Saving"));
    ask.setDefaultButton(QMessageBox::Save);
    ask.setEscapeButton(QMessageBox::Cancel);
    switch (ask.exec()) {
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: return Answer::Stay;
    }
}
