// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// How long the window stops answering while it makes a new puzzle or checks
// one: the longest stretch in which the window's thread took no event, from
// the key to the puzzle, or the check's sentence, shown. Prints
// "NewPuzzle<level> median-ms worst-ms" (20 puzzles each) and "CheckPuzzle
// median-ms worst-ms" (the shared puzzles, the empty board and a solved
// one). Run with QT_QPA_PLATFORM=offscreen.

#include "board_dlg.h"
#include "puzzle_job.h"
#include "puzzle_sets.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Print(const char* name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%s %.3f %.3f\n", name, times[times.size() / 2], times.back());
}

double Milliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// Runs start, then has the window's thread take events until done, each
// pass measuring how long it was away: the longest.
template <typename Start, typename Done>
double LongestAway(Start start, Done done)
{
    QElapsedTimer gap;
    gap.start();
    double worst = 0;
    start();
    while (!done()) {
        worst = std::max(worst, Milliseconds(gap));
        gap.restart();
        QApplication::processEvents(QEventLoop::AllEvents);
        QTest::qSleep(1);
        gap.restart();
        QApplication::processEvents(QEventLoop::AllEvents);
        worst = std::max(worst, Milliseconds(gap));
        gap.restart();
    }
    return worst;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    CBoardDlg board;
    board.show();
    if (!QTest::qWaitForWindowExposed(&board))
        return 1;

    const Level levels[] = {Level::Singles, Level::BoxAndLine, Level::Pairs, Level::BeyondTheRules};
    for (int k = 0; k < 4; ++k) {
        std::vector<double> longest;
        for (int run = 0; run < 20; ++run) {
            // An empty board: New Puzzle asks nothing before replacing it.
            board.OnClear();
            const std::size_t steps = board.History().Size();
            longest.push_back(
                LongestAway([&] { board.OnNewPuzzle(levels[k]); }, [&] { return board.History().Size() != steps; }));
        }
        const std::string name = "NewPuzzle" + std::to_string(k + 1);
        Print(name.c_str(), longest);
    }

    std::vector<Values> boards = {Values{}};
    for (const char* set : {"simple", "easy", "intermediate", "expert"})
        for (const Values& values : LoadPuzzleSet(set))
            boards.push_back(values);
    std::vector<double> checks;
    const CCheckJob* job = board.findChild<CCheckJob*>();
    for (const Values& values : boards) {
        board.Board().LoadValues(values);
        checks.push_back(LongestAway([&] { board.OnCheckPuzzle(); }, [&] { return !job->Busy(); }));
    }
    Print("CheckPuzzle", checks);
    return 0;
}
