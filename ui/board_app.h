// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_maker.h"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What `zifrel --print-pdf FILE` is asked to print.
struct CPdfRequest {
    QString file;
    Level level = Level::Singles;
    int count = 4;
    int perPage = 4;
    std::optional<std::uint64_t> seed;
};

// What the command line asks of the program.
struct CStartOptions {
    bool help = false;
    bool version = false;
    // The display named by -display, and whether -platform was given.
    QString display;
    bool platform = false;
    std::optional<CPdfRequest> pdf;
};

// Reads the command line (arguments without the program's name): Zifrel's
// own options and the toolkit's, with one dash or two and a value after
// "=" or as the next argument. Empty when it is sound; else the one line
// saying what is wrong.
QString ReadStartOptions(const QStringList& arguments, CStartOptions& options);

// The application: shows the board window modally and ends when it ends.
class CBoardApp : public QApplication {
public:
    CBoardApp(int& argc, char** argv);
    // Runs the board window; returns the process's exit status.
    int InitInstance();
    // Makes the puzzles and writes their pages to the PDF file; returns the
    // process's exit status, saying on standard error what went wrong.
    int PrintPdf(const CPdfRequest& request);
};
