// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// How long Paste Puzzle holds the window while a program holds the X
// clipboard and answers slowly or not at all, or offers 100 MB, against how
// long the toolkit's own read of the clipboard takes for the same. For each
// owner (silent, formats: lists its formats but never sends the text,
// stall: starts a chunked transfer and stalls, huge: 100 MB in chunks)
// prints "OWNER first MS", "OWNER second MS" (Paste Puzzle twice in a row)
// and "OWNER toolkit MS", and for the huge one the peak resident memory
// after the pastes and after the toolkit's read ("huge memory-paste MB",
// "huge memory-toolkit MB"). Runs on a real X server.

#include "board_dlg.h"
#include "silent_owner.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <string_view>
#include <sys/resource.h>

namespace {

template <typename Action>
double Milliseconds(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: clipboard_bench SILENT-OWNER-PROGRAM\n", stderr);
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    CBoardDlg board;
    board.show();
    const std::pair<const char*, QStringList> owners[] = {
        {"silent", {}},
        {"formats", {QStringLiteral("--formats")}},
        {"stall", {QStringLiteral("--incr"), QStringLiteral("0")}},
        {"huge", {QStringLiteral("--incr"), QString::number(100 << 20)}},
    };
    for (const auto& [name, arguments] : owners) {
        auto owner = StartSilentOwner(program, arguments);
        if (!owner)
            return 1;
        std::printf("%s first %.1f\n", name, Milliseconds([&] { board.OnPastePuzzle(); }));
        std::printf("%s second %.1f\n", name, Milliseconds([&] { board.OnPastePuzzle(); }));
        const double pasted = PeakMegabytes();
        // A new owner, so that nothing the board learnt of the last one counts.
        owner = StartSilentOwner(program, arguments);
        if (!owner)
            return 1;
        std::printf("%s toolkit %.1f\n", name, Milliseconds([] { QApplication::clipboard()->text(); }));
        if (std::string_view(name) == "huge")
            std::printf("huge memory-paste %.1f\nhuge memory-toolkit %.1f\n", pasted, PeakMegabytes());
        std::fflush(stdout);
    }
    return 0;
}
