// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_maker.h"

#include <QObject>

#include <random>

class CBoardDlg;
class QPrinter;

// Printing from the window through the desktop's print dialog: the board
// as shown (its pencil marks when asked for), and sheets of new puzzles.
class CBoardPrinter : public QObject {
    Q_OBJECT

public:
    explicit CBoardPrinter(CBoardDlg* board);

    // Print (Ctrl+P): the print dialog, with a choice of pencil marks.
    void OnPrint();
    // Print New Puzzles: asks for the level (level first), how many and how
    // many to a page, makes them, then the print dialog.
    void OnPrintPuzzles(Level level);

    // Whether the last Print printed pencil marks; the next starts so.
    bool Marks() const { return marks_; }

private:
    // The print dialog for printer with extra option pages; true when the
    // person chose to print.
    bool AskPrinter(QPrinter& printer, const QList<QWidget*>& options, const QString& title);

    CBoardDlg* board_;
    bool marks_ = false;
    std::random_device entropy_;
};
