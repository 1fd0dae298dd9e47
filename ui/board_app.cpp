// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_app.h"

#include "board_dlg.h"

CBoardApp::CBoardApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zifrel"));
    setApplicationVersion(QStringLiteral("1.00"));
    setDesktopFileName(QStringLiteral("io.github.zifrel.Zifrel"));
}

int CBoardApp::InitInstance()
{
    CBoardDlg board;
    board.exec();
    return 0;
}
