// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Starts as the program does and exits as soon as its window is shown and
// the event queue is empty: "startup_probe board" with the board window,
// "startup_probe bare" with one empty dialog, for comparison.

#include "board_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <cstring>
#include <unistd.h>

int main(int argc, char** argv)
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    QDialog* window = bare ? new QDialog : new CBoardDlg;
    window->show();
    if (!QTest::qWaitForWindowExposed(window, 5000))
        return 1;
    QApplication::processEvents();
    // Leave at once: tearing down is not part of starting up.
    ::_exit(0);
}
