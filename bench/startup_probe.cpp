// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Starts as the program does and exits as soon as its window is shown and
// the event queue is empty: "startup_probe board" with the program's
// application and board window,
// "startup_probe bare" with one empty dialog, for comparison, and
// "startup_probe button" with a dialog holding one push button, which
// paints text as the board does.

#include "board_app.h"
#include "board_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv)
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool button = argc > 1 && std::strcmp(argv[1], "button") == 0;
    const auto app = bare || button ? std::make_unique<QApplication>(argc, argv) : std::make_unique<CBoardApp>(argc, argv);
    QDialog* window = bare || button ? new QDialog : new CBoardDlg;
    if (button)
        new QPushButton(QStringLiteral("OK"), window);
    window->show();
    if (!QTest::qWaitForWindowExposed(window, 5000))
        return 1;
    QApplication::processEvents();
    // Leave at once: tearing down is not part of starting up.
    ::_exit(0);
}
