// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_app.h"
#include "screen_reader.h"
#include "translations.h"

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

// The display -display named, if any.
std::string displayOption;

// The catalogues of the desktop's language, for what is said before the
// application exists.
const CTranslations* translations = nullptr;

std::string Said(const char* text) { return translations->Text("CBoardApp", text).toLocal8Bit().toStdString(); }

// Without a display the toolkit aborts with a page of messages; one line
// saying what is wrong serves better.
bool HasDisplay(const CStartOptions& options)
{
    return !options.display.isEmpty() || options.platform || !Variable("DISPLAY").empty()
        || !Variable("WAYLAND_DISPLAY").empty() || !Variable("QT_QPA_PLATFORM").empty();
}

// The display the toolkit will have tried, named as the user set it, in
// the sentence that says it cannot be reached.
std::string CannotReachDisplay()
{
    const std::string platform = Variable("QT_QPA_PLATFORM");
    const std::string wayland = Variable("WAYLAND_DISPLAY");
    const std::string x = Variable("DISPLAY");
    std::string name = x + " (DISPLAY)";
    //: %1 names the display and, in brackets, where it was set.
    const char* sentence = QT_TRANSLATE_NOOP(
        "CBoardApp", "cannot reach the display %1; start it from a desktop session, or under xvfb-run");
    if (!displayOption.empty()) {
        name = displayOption + " (-display)";
    } else if (platform.starts_with("wayland")) {
        name = (wayland.empty() ? "wayland-0" : wayland) + " (QT_QPA_PLATFORM=" + platform + ")";
    } else if (!platform.empty() && platform != "xcb") {
        name = platform;
        //: %1 is the name of one of the toolkit's platform plug-ins, such as "vnc".
        sentence = QT_TRANSLATE_NOOP(
            "CBoardApp",
            "cannot reach the display of the platform %1 (QT_QPA_PLATFORM); start it from a desktop session, or under xvfb-run");
    } else if (x.empty() && !wayland.empty()) {
        name = wayland + " (WAYLAND_DISPLAY)";
    }
    const std::string said = Said(sentence);
    const std::size_t at = said.find("%1");
    return at == std::string::npos ? said : said.substr(0, at) + name + said.substr(at + 2);
}

// While the application starts, the toolkit's complaints about the display
// are held back, and its fatal one becomes a line of ours and exit status 1.
void OnStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const std::string line = "zifrel: " + CannotReachDisplay() + "\n";
        [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
        ::_exit(1);
    }
    if (context.category && std::string(context.category).starts_with("qt.qpa"))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

constexpr const char* kUsage = QT_TRANSLATE_NOOP("CBoardApp", R"(Usage: zifrel [QT-OPTION...]
       zifrel --print-pdf FILE [--level L] [--count N] [--per-page K] [--seed S]
       zifrel --help | --version

Opens the Zifrel board: type the givens of a 9x9 number-placement puzzle,
then let Zifrel deduce the rest by pure logic, one cell (Alt+C), one sweep
(Alt+P) or until nothing changes (Alt+S), and see why each digit went.

Save (Alt+V) and Load (Alt+L) use the file Zifrel.zfr in the current folder.

Keys: arrows move between cells, a digit fills the focused cell (0 empties
it), Tab runs through the cells and the buttons, Alt and the underlined
letter presses a button, F10 opens the menu bar (Game, Edit, View, Help),
Ctrl+N makes a new puzzle of the level chosen last and Ctrl+1 to Ctrl+4 one
of that level, Ctrl+K checks the puzzle, Ctrl+H gives a hint (where to look
next; pressed again, the digit and why), Ctrl+J moves the focus to the cell
the hint is about, Shift+F1 explains the focused cell,
Ctrl+Z and Ctrl+Y undo and redo, Ctrl+Shift+C and Ctrl+Shift+V copy and
paste the puzzle, Ctrl+Plus and Ctrl+Minus enlarge and shrink the board
(Ctrl+0: normal size; resizing the window does the same, and the size is
kept for the next start), Ctrl+P prints the board, F1 opens Help, Ctrl+?
lists every key, Ctrl+Q quits, the Menu key opens the window menu, Escape
closes a hint, an explanation or a message, and else the window.

Printing new puzzles without a window:
  --print-pdf FILE      write new puzzles with their level and seed under
                        each, and their solutions on a last page, to FILE
  --level L             their level, 1 to 4 (default 1)
  --count N             how many, 1 to 100 (default 4)
  --per-page K          puzzles to a page: 1, 2, 4 or 6 (default 4)
  --seed S              the first puzzle's seed (0 to 18446744073709551615),
                        the next S+1 and so on; the seed under a puzzle
                        makes it again, as zifrel-batch --generate 1 --level L
                        --seed S does (default: a seed drawn at random)

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
)");

int Say(const QString& text, FILE* to, int status)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
    return std::ferror(to) ? 1 : status;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CTranslations desktopLanguage;
    translations = &desktopLanguage;
    CStartOptions options;
    if (const QString error = ReadStartOptions(arguments, options); !error.isEmpty() || options.help) {
        // Answered in the desktop's language, by an application of their own.
        QCoreApplication words(argc, argv);
        desktopLanguage.Install();
        if (!error.isEmpty())
            return Say(QStringLiteral("zifrel: ") + ReadStartOptions(arguments, options) + QLatin1Char('\n'), stderr,
                       2);
        return Say(QCoreApplication::translate("CBoardApp", kUsage), stdout, 0);
    }
    if (options.version)
        return Say(QStringLiteral("zifrel " ZIFREL_VERSION "\n"), stdout, 0);
    // Pages are painted on Qt's offscreen platform: no display needed.
    if (options.pdf && !options.platform)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!HasDisplay(options)) {
        const std::string line = "zifrel: "
            + Said(QT_TRANSLATE_NOOP("CBoardApp",
                                     "no display to show the window on (DISPLAY is not set); "
                                     "start it from a desktop session, or under xvfb-run"))
            + "\n";
        std::fputs(line.c_str(), stderr);
        return 1;
    }
    displayOption = options.display.toStdString();
    CScreenReader::PrepareToolkit();
    qInstallMessageHandler(OnStartMessage);
    CBoardApp app(argc, argv);
    qInstallMessageHandler(nullptr);
    desktopLanguage.Install();
    return options.pdf ? app.PrintPdf(*options.pdf) : app.InitInstance();
}
