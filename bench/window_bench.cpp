// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Each board command in the window, from the click to the last cell
// repainted, on the puzzle of the test sets that Solve takes most sweeps
// on; and a focus change by an arrow key, to the last cell repainted, with
// the focused cell's digit highlighted across the board, against the same
// on the empty board, where nothing is highlighted. bench/run builds this
// same file against the program as it was before, for the baseline.
// Prints "command median-ms worst-ms" lines, then whether the toolkit's
// accessibility bridge was on the bus and whether a screen reader listened
// ("accessibility 1 0"). Run with QT_QPA_PLATFORM=offscreen, or on an X
// server with and without the desktop's accessibility bus, to see what
// the bridge costs while nobody listens.

#include "board_dlg.h"
#include "cell_edit.h"
#include "puzzle_sets.h"
#if __has_include("screen_reader.h")
#include "screen_reader.h"
#define ZIFREL_SCREEN_READER 1
#endif

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::vector<Values> AllPuzzles()
{
    std::vector<Values> puzzles;
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const Values& values : LoadPuzzleSet(set))
            puzzles.push_back(values);
    return puzzles;
}

// Clicks the button and lets the window paint everything that changed.
double TimeClick(QPushButton* button)
{
    QElapsedTimer timer;
    timer.start();
    button->click();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef ZIFREL_SCREEN_READER
    CScreenReader::PrepareToolkit();
#endif
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    CBoardDlg board;
    board.show();
    // On an X server without a window manager the window is made active
    // here, as the keys below go to its focused cell.
    board.activateWindow();
    if (!QTest::qWaitForWindowExposed(&board) || !QTest::qWaitForWindowActive(&board))
        return 1;

    const auto puzzles = AllPuzzles();
    const auto load = [&](const Values& values) {
        board.Board().LoadValues(values);
        board.Board().OnStart();
        QApplication::processEvents();
    };

    // The puzzle Solve takes most sweeps on (the first of those): chosen by
    // the work, not by a timing, so that every run and every build this
    // harness is built against times the same puzzle.
    std::size_t slowest = 0;
    int mostSweeps = -1;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        board.Board().LoadValues(puzzles[i]);
        if (const int sweeps = board.Board().OnSolve(); sweeps > mostSweeps) {
            mostSweeps = sweeps;
            slowest = i;
        }
    }
    load(puzzles[slowest]);
    board.OnSave();

    struct Command {
        const char* name;
        CBoardDlg::ButtonId id;
    };
    for (const Command& command :
         {Command{"Solve", CBoardDlg::IdSolve}, Command{"Pass", CBoardDlg::IdPass}, Command{"Cell", CBoardDlg::IdCell},
          Command{"Load", CBoardDlg::IdLoad}, Command{"Clear", CBoardDlg::IdClear}}) {
        std::vector<double> times;
        for (int run = 0; run < 200; ++run) {
            load(puzzles[slowest]);
            // Load and Clear start from a solved board, so that every cell changes.
            if (command.id == CBoardDlg::IdLoad || command.id == CBoardDlg::IdClear)
                TimeClick(board.Button(CBoardDlg::IdSolve));
            times.push_back(TimeClick(board.Button(command.id)));
        }
        std::sort(times.begin(), times.end());
        std::printf("%s %.4f %.4f\n", command.name, times[times.size() / 2], times.back());
    }
    // A click in a cell that long pastes have filled: the click places the
    // caret, which means finding the gap nearest the pointer. A paste takes
    // at most 4 KiB from the clipboard, so eight of them fill the cell.
    {
        CCellEdit* cell = board.CellControl(4, 4);
        cell->setFocus();
        QApplication::clipboard()->setText(QString(3750, QLatin1Char('8')));
        for (int paste = 0; paste < 8; ++paste) {
            QTest::keyClick(cell, Qt::Key_End);
            QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        }
        QApplication::processEvents();
        std::vector<double> times;
        for (int run = 0; run < 20; ++run) {
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(cell->width() / 2 + run % 3, cell->height() / 2));
            QApplication::processEvents();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        std::printf("LongPasteClick %.3f %.3f %lld\n", times[times.size() / 2], times.back(),
                    static_cast<long long>(cell->Text().size()));
    }
    // The arrow keys held down: Right along each row, Down at its end, over
    // the whole board six times, on the board after one Pass (digits and
    // pencil marks everywhere) and on the empty one.
    for (const bool marked : {true, false}) {
        load(marked ? puzzles[slowest] : Values{});
        if (marked)
            board.OnPass();
        board.CellControl(0, 0)->setFocus();
        QApplication::processEvents();
        std::vector<double> times;
        for (int move = 0; move < 6 * kCellCount; ++move) {
            QWidget* focus = QApplication::focusWidget();
            QKeyEvent press(QEvent::KeyPress, (move + 1) % kBoardSize ? Qt::Key_Right : Qt::Key_Down, Qt::NoModifier,
                            QString(), move > 0);
            QElapsedTimer timer;
            timer.start();
            QApplication::sendEvent(focus, &press);
            QApplication::processEvents();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        std::printf("%s %.3f %.3f %zu\n", marked ? "FocusChange" : "FocusChangeEmpty", times[times.size() / 2],
                    times.back(), times.size());
    }
    std::printf("puzzle %zu\n", slowest);
#ifdef ZIFREL_SCREEN_READER
    std::printf("accessibility %d %d\n", QAccessible::isActive() ? 1 : 0,
                CScreenReader::Instance().Listening() ? 1 : 0);
#endif
    return 0;
}
