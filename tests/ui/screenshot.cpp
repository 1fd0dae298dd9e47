// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Shows the board with a puzzle loaded and one Pass run, saves what the
// screen shows of the window as a PNG, and fails if any cell's text needs
// more room than the cell has. Pictures of the Help and About windows go
// beside it (help.png, about.png). Run under a real X server (xvfb-run).
//
//   zifrel_screenshot OUTPUT.png [PUZZLE-LINE]

#include "about_dlg.h"
#include "board_dlg.h"
#include "cell_edit.h"
#include "explanation_tip.h"
#include "help_dlg.h"
#include "puzzle_text.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: zifrel_screenshot OUTPUT.png [PUZZLE-LINE]\n", stderr);
        return 2;
    }
    const std::string puzzle = argc > 2 ? argv[2]
        : "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";
    const auto values = ParsePuzzleLine(puzzle);
    if (!values) {
        std::fputs("zifrel_screenshot: not a puzzle line\n", stderr);
        return 2;
    }

    CBoardDlg board;
    board.Board().LoadValues(*values);
    board.OnPass();
    board.show();
    if (!QTest::qWaitForWindowExposed(&board)) {
        std::fputs("zifrel_screenshot: the window was never shown\n", stderr);
        return 1;
    }
    QTest::qWait(200);

    int overflowing = 0;
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            const CCellEdit* cell = board.CellControl(row, column);
            const QSize room = cell->size() - QSize(2, 2);
            const QSize needed = cell->TextExtent();
            if (needed.width() > room.width() || needed.height() > room.height()) {
                std::fprintf(stderr, "cell (%d, %d) needs %dx%d, has %dx%d\n", row, column, needed.width(),
                             needed.height(), room.width(), room.height());
                ++overflowing;
            }
        }
    }

    const QPixmap shot = board.screen()->grabWindow(0, board.x(), board.y(), board.width(), board.height());
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fputs("zifrel_screenshot: cannot write the picture\n", stderr);
        return 1;
    }
    // With QT_SCALE_FACTOR set, the window on screen must be that much larger.
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    const int expectedWidth = static_cast<int>(board.width() * scale);
    if (std::abs(shot.width() - expectedWidth) > 1 || std::abs(board.devicePixelRatio() - scale) > 0.01) {
        std::fprintf(stderr, "zifrel_screenshot: the window is %d pixels wide on screen, expected %d\n",
                     shot.width(), expectedWidth);
        return 1;
    }
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath();
    // An explanation with the cells it cites outlined: the pointer rests
    // on a cell with pencil marks.
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = board.Board().Working()[static_cast<std::size_t>(i)];
        if (cell.ShowsCandidates() && cell.CandidateCount() <= 4) {
            CCellEdit* control = board.CellControl(i / kBoardSize, i % kBoardSize);
            QCursor::setPos(control->mapToGlobal(control->rect().center()));
            board.OnExplain(i / kBoardSize, i % kBoardSize, false);
            QTest::qWait(200);
            const QRect tip = board.ExplanationTip()->frameGeometry();
            const QRect area = board.frameGeometry().united(tip);
            if (!board.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(folder + "/explain.png")) {
                std::fputs("zifrel_screenshot: cannot picture the explanation\n", stderr);
                return 1;
            }
            board.ExplanationTip()->hide();
            break;
        }
    }
    CHelpDlg help(&board);
    CAboutDlg about(&board);
    // At any scale, the About icon's box holds the whole icon.
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        const QSize icon = label->pixmap().deviceIndependentSize().toSize();
        if (!label->pixmap().isNull() && (label->width() < icon.width() || label->height() < icon.height())) {
            std::fprintf(stderr, "zifrel_screenshot: the About icon (%dx%d) is cut by its box (%dx%d)\n", icon.width(),
                         icon.height(), label->width(), label->height());
            return 1;
        }
    }
    for (auto [window, name] : {std::pair<QDialog*, const char*>{&help, "help.png"}, {&about, "about.png"}}) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window) || !window->grab().save(folder + "/" + name)) {
            std::fprintf(stderr, "zifrel_screenshot: cannot picture %s\n", name);
            return 1;
        }
        window->hide();
    }
    std::printf("saved %s (%dx%d), %d of 81 cells overflow\n", argv[1], shot.width(), shot.height(), overflowing);
    return overflowing == 0 ? 0 : 1;
}
