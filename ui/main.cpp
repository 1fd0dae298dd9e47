// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_app.h"
#include "screen_reader.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
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

constexpr const char* kUsage = R"(Usage: zifrel [QT-OPTION...]
       zifrel --help | --version

Opens the Zifrel board: type the givens of a 9x9 number-placement puzzle,
then let Zifrel deduce the rest by pure logic, one cell (Alt+C), one sweep
(Alt+P) or until nothing changes (Alt+S), and see why each digit went.

Save (Alt+V) and Load (Alt+L) use the file Zifrel.zfr in the current folder.

Keys: arrows move between cells, a digit fills the focused cell (0 empties
it), Tab runs through the cells and the buttons, Alt and the underlined
letter presses a button, Ctrl+Z and Ctrl+Y undo and redo, Ctrl+Shift+C and
Ctrl+Shift+V copy and paste the puzzle, Ctrl+1 to Ctrl+4 make a new puzzle
of that level, Ctrl+K checks the puzzle, Shift+F1 explains the focused cell,
Ctrl+H gives a hint (where to look next; pressed again, the digit and why),
Ctrl+J moves the focus to the cell the hint is about,
Ctrl+Plus and Ctrl+Minus enlarge and shrink the board (Ctrl+0: normal size),
the Menu key opens the window menu, Escape closes a hint, an explanation or
a message, and else the window.

Options the toolkit (Qt) takes, for the display and the look:
  -display DISPLAY      the X display to open (default: $DISPLAY)
  -platform NAME        the window system: xcb, wayland, offscreen, ...
  -platformtheme NAME   the platform theme
  -style NAME           the widget style: Fusion, Windows, ...
  -stylesheet FILE      a style sheet to apply
  -reverse              lay the window out right to left
  -geometry, -qwindowgeometry GEOMETRY, -qwindowtitle TITLE,
  -qwindowicon FILE, -plugin NAME, -platformpluginpath PATH, -session ID
See man zifrel for more.
)";

// The toolkit's own options: those that take a value, and those that do not.
constexpr std::string_view kValueOptions[] = {"display", "platform", "platformtheme", "platformpluginpath", "style",
                                              "stylesheet", "geometry", "qwindowgeometry", "qwindowtitle",
                                              "qwindowicon", "plugin", "session", "title", "icon", "name",
                                              "qmljsdebugger"};
constexpr std::string_view kFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// Qt takes its options with one dash or two, and a value after "=" or as
// the next argument.
bool IsToolkitOption(std::string_view arg, bool& takesNext)
{
    takesNext = false;
    if (!arg.starts_with('-'))
        return false;
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    const auto equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    for (const std::string_view option : kValueOptions)
        if (name == option) {
            takesNext = equals == std::string_view::npos;
            return true;
        }
    for (const std::string_view option : kFlagOptions)
        if (name == option && equals == std::string_view::npos)
            return true;
    return false;
}

void Say(const std::string& text, FILE* to)
{
    std::fputs(text.c_str(), to);
    std::fflush(to);
}

// --help and --version answer at once, without a display; anything that is
// neither ours nor the toolkit's is refused. Returns the exit status, or
// -1 to go on.
int ReadOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "-help") {
            Say(kUsage, stdout);
            return std::ferror(stdout) ? 1 : 0;
        }
        if (arg == "--version" || arg == "-version" || arg == "-v") {
            Say("zifrel " ZIFREL_VERSION "\n", stdout);
            return std::ferror(stdout) ? 1 : 0;
        }
        bool takesNext = false;
        if (!IsToolkitOption(arg, takesNext)) {
            Say("zifrel: " + std::string(arg.starts_with('-') ? "unknown option '" : "unexpected argument '")
                    + std::string(arg) + "'; try --help\n",
                stderr);
            return 2;
        }
        if (takesNext && ++i == argc) {
            Say("zifrel: " + std::string(arg) + " needs a value; try --help\n", stderr);
            return 2;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (const int status = ReadOptions(argc, argv); status >= 0)
        return status;
    if (!HasDisplay()) {
        std::fputs("zifrel: no display to show the window on (DISPLAY is not set); "
                   "start it from a desktop session, or under xvfb-run\n",
                   stderr);
        return 1;
    }
    CScreenReader::PrepareToolkit();
    qInstallMessageHandler(OnStartMessage);
    CBoardApp app(argc, argv);
    qInstallMessageHandler(nullptr);
    return app.InitInstance();
}
