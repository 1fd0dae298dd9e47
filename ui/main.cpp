// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_app.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit aborts with a page of messages; one line
// saying what is wrong serves better.
bool HasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fputs("zifrel: no display to show the window on (DISPLAY is not set); "
                   "start it from a desktop session, or under xvfb-run\n",
                   stderr);
        return 1;
    }
    CBoardApp app(argc, argv);
    return app.InitInstance();
}
