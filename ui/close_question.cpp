// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "close_question.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

bool CCloseQuestion::Unsaved(const Values& board, const std::optional<Values>& file)
{
    const bool empty = std::all_of(board.begin(), board.end(), [](auto value) { return value == 0; });
    return !empty && board != file;
}

CCloseQuestion::Answer CCloseQuestion::Ask(QWidget* window, Moment moment, const QString& path)
{
    const bool closing = moment == Moment::Closing;
    QMessageBox ask(QMessageBox::Question, tr("Zifrel"),
                    closing ? tr("Save the puzzle before closing?") : tr("Save the puzzle before replacing it?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    ask.setInformativeText(tr("The board holds digits that are not in %1.").arg(path));
    // Every button has its Alt key.
    ask.button(QMessageBox::Save)->setText(tr("&Save"));
    ask.button(QMessageBox::Discard)->setText(closing ? tr("Close &Without Saving") : tr("Replace &Without Saving"));
    ask.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    ask.setDefaultButton(QMessageBox::Save);
    ask.setEscapeButton(QMessageBox::Cancel);
    asking_ = true;
    const int answer = ask.exec();
    asking_ = false;
    switch (answer) {
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: return Answer::Stay;
    }
}
