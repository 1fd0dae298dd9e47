// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Enlarges the board step by step, as Ctrl+Plus does, on a real X server,
// and fails if at any size a cell's text needs more room than the cell has,
// the window leaves the screen or is off its centre, or the board stops
// short of three times its size on a screen that holds it. Saves a picture
// of the largest board.
//
//   zoom_check OUTPUT.png

#include "board_dlg.h"
#include "cell_edit.h"
#include "generous_waits.h"
#include "puzzle_text.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: zoom_check OUTPUT.png\n", stderr);
        return 2;
    }
    CBoardDlg board;
    board.Board().LoadValues(
        *ParsePuzzleLine("....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1"));
    board.OnPass();
    board.show();
    if (!QTest::qWaitForWindowExposed(&board, kWaitMs))
        return 1;
    int faults = 0;
    const QRect screen = board.screen()->availableGeometry();
    for (;;) {
        for (int i = 0; i < kCellCount; ++i) {
            const CCellEdit* cell = board.CellControl(i / kBoardSize, i % kBoardSize);
            const QSize room = cell->size() - QSize(2, 2);
            // The text is painted inside the cell's border.
            const QSize needed = cell->TextRect().size();
            if (needed.width() > 0 && !cell->rect().adjusted(1, 1, -1, -1).contains(cell->TextRect())) {
                std::fprintf(stderr, "at %.0f%%, cell %d needs %dx%d, has %dx%d\n", board.Scale() * 100, i,
                             needed.width(), needed.height(), room.width(), room.height());
                ++faults;
            }
        }
        const QRect frame = board.frameGeometry();
        if (!screen.contains(frame) || std::abs(frame.center().x() - screen.center().x()) > 1
            || std::abs(frame.center().y() - screen.center().y()) > 1) {
            std::fprintf(stderr, "at %.0f%%, the window stands at %d,%d %dx%d on a screen of %dx%d\n",
                         board.Scale() * 100, frame.x(), frame.y(), frame.width(), frame.height(), screen.width(),
                         screen.height());
            ++faults;
        }
        const double before = board.Scale();
        board.OnLarger();
        if (board.Scale() == before)
            break;
    }
    const bool roomy = screen.width() >= 4 * 470 && screen.height() >= 4 * 440;
    if (roomy && board.Scale() < 3.0) {
        std::fprintf(stderr, "the board stops at %.0f%% on a screen of %dx%d\n", board.Scale() * 100, screen.width(),
                     screen.height());
        ++faults;
    }
    board.grab().save(QString::fromLocal8Bit(argv[1]));
    std::printf("largest %.0f%%, %d faults\n", board.Scale() * 100, faults);
    return faults == 0 ? 0 : 1;
}
