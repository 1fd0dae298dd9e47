// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// How long Paste Puzzle holds the window while a program holds the X
// clipboard and never answers, against how long the toolkit's own read of
// the clipboard waits for the same. Prints "toolkit ms", "first ms" and
// "second ms" (Paste Puzzle twice in a row). Runs on a real X server.

#include "board_dlg.h"
#include "silent_owner.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>

namespace {

template <typename Action>
double Milliseconds(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: clipboard_bench SILENT-OWNER-PROGRAM\n", stderr);
        return 2;
    }
    CBoardDlg board;
    board.show();
    auto owner = StartSilentOwner(QString::fromLocal8Bit(argv[1]));
    if (!owner)
        return 1;
    std::printf("toolkit %.1f\n", Milliseconds([] { QApplication::clipboard()->text(); }));
    owner = StartSilentOwner(QString::fromLocal8Bit(argv[1]));
    if (!owner)
        return 1;
    std::printf("first %.1f\n", Milliseconds([&] { board.OnPastePuzzle(); }));
    std::printf("second %.1f\n", Milliseconds([&] { board.OnPastePuzzle(); }));
    return 0;
}
