// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QApplication>

// The application: shows the board window modally and ends when it ends.
class CBoardApp : public QApplication {
public:
    CBoardApp(int& argc, char** argv);
    // Runs the board window; returns the process's exit status.
    int InitInstance();
};
