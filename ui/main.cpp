// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_app.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Without a display the toolkit aborts with a page of messages; one line
// saying what is wrong serves better.
bool HasDisplay()
{
    return !Variable("DISPLAY").empty() || !Variable("WAYLAND_DISPLAY").empty() || !Variable("QT_QPA_PLATFORM").empty();
}

// The display the toolkit will have tried, named as the user set it.
std::string DisplayNamed()
{
    const std::string platform = Variable("QT_QPA_PLATFORM");
    const std::string wayland = Variable("WAYLAND_DISPLAY");
    const std::string x = Variable("DISPLAY");
    if (platform.starts_with("wayland"))
        return (wayland.empty() ? "wayland-0" : wayland) + " (QT_QPA_PLATFORM=" + platform + ")";
    if (!platform.empty() && platform != "xcb")
        return "of the platform " + platform + " (QT_QPA_PLATFORM)";
    if (x.empty() && !wayland.empty())
        return wayland + " (WAYLAND_DISPLAY)";
    return x + " (DISPLAY)";
}

// While the application starts, the toolkit's complaints about the display
// are held back, and its fatal one becomes a line of ours and exit status 1.
void OnStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const std::string line = "zifrel: cannot reach the display " + DisplayNamed()
            + "; start it from a desktop session, or under xvfb-run\n";
        [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
        ::_exit(1);
    }
    if (context.category && std::string(context.category).starts_with("qt.qpa"))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
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
    qInstallMessageHandler(OnStartMessage);
    CBoardApp app(argc, argv);
    qInstallMessageHandler(nullptr);
    return app.InitInstance();
}
