// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_app.h"

#include "board_dlg.h"
#include "board_print.h"
#include "board_style.h"

#include <QCommandLineParser>
#include <QFile>
#include <QPdfWriter>

#include <charconv>
#include <cstdio>
#include <random>

namespace {

// The toolkit's own options: those that take a value, and those that do not.
const char* const kToolkitValueOptions[] = {"display",      "platform",    "platformtheme", "platformpluginpath",
                                            "style",        "stylesheet",  "geometry",      "qwindowgeometry",
                                            "qwindowtitle", "qwindowicon", "plugin",        "session",
                                            "title",        "icon",        "name",          "qmljsdebugger"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
const char* const kPdfValueOptions[] = {"level", "count", "per-page", "seed"};

std::optional<std::uint64_t> WholeNumber(const QString& text)
{
    const QByteArray digits = text.toLatin1();
    std::uint64_t value = 0;
    const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.isEmpty() || failure != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// The argument as given that names option, for messages.
QString AsGiven(const QStringList& arguments, const QString& option)
{
    for (const QString& argument : arguments) {
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        QString bare = name;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (name.startsWith(QLatin1Char('-')) && bare == option)
            return name;
    }
    return option;
}

// What --print-pdf's companions say, checked; empty when all is sound.
QString ReadPdfOptions(const QCommandLineParser& parser, CPdfRequest& pdf)
{
    if (parser.isSet(QStringLiteral("level"))) {
        const auto level = WholeNumber(parser.value(QStringLiteral("level")));
        if (!level || *level < 1 || *level > 4)
            return QCoreApplication::translate("CBoardApp", "--level takes 1, 2, 3 or 4, not '%1'")
                .arg(parser.value(QStringLiteral("level")));
        pdf.level = static_cast<Level>(*level);
    }
    if (parser.isSet(QStringLiteral("count"))) {
        const auto count = WholeNumber(parser.value(QStringLiteral("count")));
        if (!count || *count < 1 || *count > static_cast<std::uint64_t>(kMostPrintedPuzzles))
            //: %1 is the largest count, %2 what was given instead.
            return QCoreApplication::translate("CBoardApp", "--count takes a number of puzzles from 1 to %1, not '%2'")
                .arg(kMostPrintedPuzzles)
                .arg(parser.value(QStringLiteral("count")));
        pdf.count = static_cast<int>(*count);
    }
    if (parser.isSet(QStringLiteral("per-page"))) {
        const auto perPage = WholeNumber(parser.value(QStringLiteral("per-page")));
        if (!perPage
            || std::find(std::begin(kPerPageChoices), std::end(kPerPageChoices), *perPage) == std::end(kPerPageChoices))
            return QCoreApplication::translate("CBoardApp", "--per-page takes 1, 2, 4 or 6, not '%1'")
                .arg(parser.value(QStringLiteral("per-page")));
        pdf.perPage = static_cast<int>(*perPage);
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        pdf.seed = WholeNumber(parser.value(QStringLiteral("seed")));
        if (!pdf.seed)
            return QCoreApplication::translate("CBoardApp",
                                               "--seed takes a whole number from 0 to 18446744073709551615, not '%1'")
                .arg(parser.value(QStringLiteral("seed")));
    }
    return {};
}

} // namespace

QString ReadStartOptions(const QStringList& arguments, CStartOptions& options)
{
    QCommandLineParser parser;
    // Qt's options come with one dash: -display, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QString()});
    parser.addOption({QStringLiteral("print-pdf"), QString(), QStringLiteral("file")});
    for (const char* name : kPdfValueOptions)
        parser.addOption({QLatin1String(name), QString(), QStringLiteral("value")});
    for (const char* name : kToolkitValueOptions)
        parser.addOption({QLatin1String(name), QString(), QStringLiteral("value")});
    for (const char* name : kToolkitFlags)
        parser.addOption({QLatin1String(name), QString()});
    if (!parser.parse(QStringList{QStringLiteral("zifrel")} + arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return QCoreApplication::translate("CBoardApp", "unknown option '%1'; try --help")
                .arg(AsGiven(arguments, parser.unknownOptionNames().constFirst()));
        // Only the last argument can lack its value.
        return QCoreApplication::translate("CBoardApp", "%1 needs a value; try --help").arg(arguments.constLast());
    }
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    if (options.help || options.version)
        return {};
    if (!parser.positionalArguments().isEmpty())
        return QCoreApplication::translate("CBoardApp", "unexpected argument '%1'; try --help")
            .arg(parser.positionalArguments().constFirst());
    options.display = parser.value(QStringLiteral("display"));
    options.platform = parser.isSet(QStringLiteral("platform"));
    if (!parser.isSet(QStringLiteral("print-pdf"))) {
        for (const char* name : kPdfValueOptions)
            if (parser.isSet(QLatin1String(name)))
                return QCoreApplication::translate("CBoardApp", "--%1 goes with --print-pdf FILE")
                    .arg(QLatin1String(name));
        return {};
    }
    CPdfRequest pdf;
    pdf.file = parser.value(QStringLiteral("print-pdf"));
    if (const QString error = ReadPdfOptions(parser, pdf); !error.isEmpty())
        return error;
    options.pdf = pdf;
    return {};
}

CBoardApp::CBoardApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zifrel"));
    setApplicationVersion(QStringLiteral("1.00"));
    setDesktopFileName(QStringLiteral("io.github.zifrel.Zifrel"));
    setStyle(new CBoardStyle);
}

int CBoardApp::InitInstance()
{
    CBoardDlg board;
    board.exec();
    return 0;
}

int CBoardApp::PrintPdf(const CPdfRequest& request)
{
    std::random_device entropy;
    const std::uint64_t seed = request.seed ? *request.seed : std::uint64_t{entropy()} << 32 | entropy();
    std::vector<CPrintedPuzzle> puzzles;
    for (int k = 0; k < request.count; ++k)
        puzzles.push_back(MakePrintedPuzzle(request.level, seed + static_cast<std::uint64_t>(k)));
    QFile file(request.file);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (written) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Zifrel"));
        writer.setTitle(QCoreApplication::translate("CBoardApp", "Zifrel puzzles"));
        written = PrintPuzzles(writer, puzzles, request.perPage);
    }
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        //: %1 is the file's name, %2 why it could not be written.
        const QString line = QCoreApplication::translate("CBoardApp", "zifrel: cannot write %1: %2\n")
                                 .arg(request.file, file.errorString());
        std::fputs(line.toLocal8Bit().constData(), stderr);
        return 1;
    }
    return 0;
}
