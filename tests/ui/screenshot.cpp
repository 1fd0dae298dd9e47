// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Shows the board with a puzzle loaded and one Pass run, saves what the
// screen shows of the window as a PNG, and fails if any cell's text needs
// more room than the cell has, or if any cell's explanation covers the cell
// or a cell it cites. Pictures of an explanation and of the Help and About
// windows go beside it (explain.png, help.png, about.png), and pictures of
// what the board marks (guide-*.png, see PictureGuidance). Run under a real
// X server (xvfb-run).
//
//   zifrel_screenshot OUTPUT.png [PUZZLE-LINE]

#include "about_dlg.h"
#include "board_dlg.h"
#include "dark_palette.h"
#include "guidance.h"
#include "cell_edit.h"
#include "explanation.h"
#include "explanation_tip.h"
#include "generous_waits.h"
#include "help_dlg.h"
#include "puzzle_text.h"

#include <QApplication>
#include <QCursor>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <cstdio>

namespace {

// Painted now; the tip, a window of its own, once the screen shows it so.
void Painted(CBoardDlg& board)
{
    board.repaint();
    QWidget* tip = board.ExplanationTip();
    const auto shown = [tip] {
        const QImage onScreen = tip->screen()->grabWindow(0, tip->x(), tip->y(), tip->width(), tip->height()).toImage();
        return onScreen.convertToFormat(QImage::Format_RGB32)
            == tip->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // At a fractional scale the screen's pixels never match a grab's: there
    // the tip being exposed is all there is to wait for.
    const qreal ratio = tip->devicePixelRatioF();
    if (tip->isVisible() && ratio != std::floor(ratio))
        static_cast<void>(QTest::qWaitForWindowExposed(tip, kWaitMs));
    else if (tip->isVisible())
        static_cast<void>(QTest::qWaitFor(shown, kWaitMs));
}

// The window, with the tip where it shows, as the screen shows them.
bool Picture(CBoardDlg& board, const QString& file)
{
    Painted(board);
    QRect area = board.frameGeometry();
    if (board.ExplanationTip()->isVisible())
        area = area.united(board.ExplanationTip()->frameGeometry());
    if (board.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file))
        return true;
    std::fprintf(stderr, "zifrel_screenshot: cannot write %s\n", qPrintable(file));
    return false;
}

// Pictures of what the board marks, under the style's own light palette and
// a dark one, each on a board of its own: guide-STATE-light.png and
// guide-STATE-dark.png in folder, for the states plain (after a Pass: found
// digits and pencil marks), same-digit (the focused cell's digit
// highlighted), hint and hint-told (the first and second press of Ctrl+H),
// explanation (a cell's explanation and the outlines of what it cites),
// contradiction (a wrong digit typed, then Solve) and
// contradiction-explained. Fails if a state cannot be reached.
bool PictureGuidance(const QString& folder, const Values& puzzle)
{
    const QPalette light = QApplication::style()->standardPalette();
    for (const auto& [palette, tone] : {std::pair{light, "light"}, std::pair{DarkFusionPalette(), "dark"}}) {
        QApplication::setPalette(palette);
        QToolTip::setPalette(palette);
        CBoardDlg board;
        board.show();
        board.activateWindow();
        if (!QTest::qWaitForWindowActive(&board, kWaitMs))
            return false;
        const auto save = [&, tone = tone](const char* state) {
            return Picture(board,
                           folder + QStringLiteral("/guide-%1-%2.png").arg(QLatin1String(state), QLatin1String(tone)));
        };
        const auto cell = [&](int i) { return board.CellControl(i / kBoardSize, i % kBoardSize); };
        QPushButton* solve = board.Button(CBoardDlg::IdSolve);
        QCursor::setPos(board.screen()->geometry().bottomRight());

        board.Board().LoadValues(puzzle);
        board.OnPass();
        solve->setFocus();
        if (!save("plain"))
            return false;
        // The filled cell whose digit stands most often among the pencil marks.
        int focus = -1;
        int most = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const int digit = board.Board().Working()[static_cast<std::size_t>(i)].GetValue();
            int marks = 0;
            for (const CCell& other : board.Board().Working())
                marks += digit != 0 && other.ShowsCandidates() && other.IsOpen(digit);
            if (marks > most) {
                most = marks;
                focus = i;
            }
        }
        cell(focus)->setFocus();
        if (focus < 0 || !save("same-digit"))
            return false;
        solve->setFocus();
        board.OnHint();
        if (board.HintedCell() < 0 || !save("hint"))
            return false;
        board.OnHint();
        if (!board.ExplanationTip()->isVisible() || !save("hint-told"))
            return false;
        QTest::keyClick(solve, Qt::Key_Escape);
        board.OnExplain(focus / kBoardSize, focus % kBoardSize);
        if (!board.ExplanationTip()->isVisible() || !save("explanation"))
            return false;
        board.ExplanationTip()->hide();

        // A wrong digit typed into the first empty cell where it clashes
        // with no digit shown, but leaves, after Solve, a cell with no digit
        // left; then a digit typed over a found one, twice in its row.
        bool shown = false;
        int wrong = 0;
        for (int i = 0; i < kCellCount && !shown; ++i) {
            for (int digit = 1; digit <= 9 && !shown; ++digit) {
                if (puzzle[static_cast<std::size_t>(i)] != 0)
                    continue;
                board.Board().LoadValues(puzzle);
                Grid typed = board.Board().Working();
                typed[static_cast<std::size_t>(i)].SetValue(digit);
                if (!SameDigitPeers(typed, i).empty())
                    continue;
                cell(i)->setFocus();
                cell(i)->TypeOver(QString::number(digit));
                board.OnSolve();
                const Conflicts conflicts = FindConflicts(board.Board().Working());
                shown =
                    std::any_of(conflicts.begin(), conflicts.end(), [](const CConflict& c) { return c.noDigitLeft; });
                wrong = i;
            }
        }
        for (int i = wrong + 1; i + 1 < kCellCount && shown; ++i) {
            const CCell& next = board.Board().Working()[static_cast<std::size_t>(i) + 1];
            if (puzzle[static_cast<std::size_t>(i)] == 0
                && board.Board().Working()[static_cast<std::size_t>(i)].GetValue() != 0 && next.GetValue() != 0
                && (i + 1) % kBoardSize != 0) {
                cell(i)->setFocus();
                cell(i)->TypeOver(QString::number(next.GetValue()));
                break;
            }
        }
        solve->setFocus();
        if (!shown || !save("contradiction"))
            return false;
        const Conflicts conflicts = FindConflicts(board.Board().Working());
        const auto clash =
            std::find_if(conflicts.begin(), conflicts.end(), [](const CConflict& c) { return !c.sameDigit.empty(); });
        const int explained = static_cast<int>(clash - conflicts.begin());
        board.OnExplain(explained / kBoardSize, explained % kBoardSize);
        if (!board.ExplanationTip()->isVisible() || !save("contradiction-explained"))
            return false;
        board.ExplanationTip()->hide();
    }
    QApplication::setPalette(light);
    QToolTip::setPalette(light);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: zifrel_screenshot OUTPUT.png [PUZZLE-LINE]\n", stderr);
        return 2;
    }
    const std::string puzzle =
        argc > 2 ? argv[2] : "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";
    const auto values = ParsePuzzleLine(puzzle);
    if (!values) {
        std::fputs("zifrel_screenshot: not a puzzle line\n", stderr);
        return 2;
    }

    CBoardDlg board;
    board.Board().LoadValues(*values);
    board.OnPass();
    board.show();
    if (!QTest::qWaitForWindowExposed(&board, kWaitMs)) {
        std::fputs("zifrel_screenshot: the window was never shown\n", stderr);
        return 1;
    }

    int overflowing = 0;
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            const CCellEdit* cell = board.CellControl(row, column);
            const QSize room = cell->size() - QSize(2, 2);
            // The text is painted inside the cell's border.
            const QSize needed = cell->TextRect().size();
            if (needed.width() > 0 && !cell->rect().adjusted(1, 1, -1, -1).contains(cell->TextRect())) {
                std::fprintf(stderr, "cell (%d, %d) needs %dx%d, has %dx%d\n", row, column, needed.width(),
                             needed.height(), room.width(), room.height());
                ++overflowing;
            }
        }
    }

    Painted(board);
    const QPixmap shot = board.screen()->grabWindow(0, board.x(), board.y(), board.width(), board.height());
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fputs("zifrel_screenshot: cannot write the picture\n", stderr);
        return 1;
    }
    // The window on screen is as much larger as Qt scales it: by
    // QT_SCALE_FACTOR, times QT_FONT_DPI (the X server's 96 without it) / 96.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble()
        * qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96")).toDouble() / 96;
    const int expectedWidth = qRound(board.width() * scale);
    if (std::abs(shot.width() - expectedWidth) > 1 || std::abs(board.devicePixelRatio() - scale) > 0.01) {
        std::fprintf(stderr, "zifrel_screenshot: the window is %d pixels wide on screen, expected %d\n", shot.width(),
                     expectedWidth);
        return 1;
    }
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath();
    // Every explanation, on a board after one Pass and after Solve, covers
    // neither its cell nor any cell it cites.
    const auto onScreen = [](const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    };
    int covering = 0;
    for (bool solved : {false, true}) {
        if (solved)
            board.OnSolve();
        for (int i = 0; i < kCellCount; ++i) {
            board.OnExplain(i / kBoardSize, i % kBoardSize);
            const CExplanationTip* tip = board.ExplanationTip();
            if (tip->isHidden())
                continue;
            const QRect place = tip->frameGeometry();
            for (int k = 0; k < kCellCount; ++k) {
                const CCellEdit* cell = board.CellControl(k / kBoardSize, k % kBoardSize);
                if ((k == i || cell->IsCited()) && place.intersects(onScreen(cell))) {
                    std::fprintf(stderr, "the explanation of cell (%d, %d) covers cell (%d, %d)\n", i / kBoardSize,
                                 i % kBoardSize, k / kBoardSize, k % kBoardSize);
                    ++covering;
                }
            }
            board.ExplanationTip()->hide();
        }
    }

    // The picture of an explanation: a cell after one Pass whose
    // explanation has a pair and a box that confines a digit to a line,
    // the fewest lines of those, the pointer resting on it.
    const std::string explained = "..6...4..571....9..8...9.3.1.....8...5......73.7...654.49.3....6.....5.9.....7...";
    board.Board().LoadValues(*ParsePuzzleLine(explained));
    board.OnPass();
    int chosen = -1;
    std::size_t fewest = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const CCellExplanation statements = ExplainCell(board.Board().Working(), i);
        bool pair = false;
        bool confined = false;
        for (const CExplanationLine& line : statements.lines) {
            pair |= line.reason.rule == Rule::RowPair || line.reason.rule == Rule::ColumnPair;
            confined |= line.reason.rule == Rule::Band || line.reason.rule == Rule::Stack;
        }
        if (pair && confined && (chosen < 0 || statements.lines.size() < fewest)) {
            chosen = i;
            fewest = statements.lines.size();
        }
    }
    if (chosen < 0) {
        std::fputs("zifrel_screenshot: no cell to picture an explanation of\n", stderr);
        return 1;
    }
    CCellEdit* control = board.CellControl(chosen / kBoardSize, chosen % kBoardSize);
    QCursor::setPos(control->mapToGlobal(control->rect().center()));
    board.OnExplain(chosen / kBoardSize, chosen % kBoardSize);
    Painted(board);
    const QRect tip = board.ExplanationTip()->frameGeometry();
    const QRect area = board.frameGeometry().united(tip);
    if (!board.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(folder + "/explain.png")) {
        std::fputs("zifrel_screenshot: cannot picture the explanation\n", stderr);
        return 1;
    }
    board.ExplanationTip()->hide();
    CHelpDlg help(&board);
    CAboutDlg about(&board);
    // At any scale, the About icon's box holds the whole icon.
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        const QSize icon = label->pixmap().deviceIndependentSize().toSize();
        if (!label->pixmap().isNull() && (label->width() < icon.width() || label->height() < icon.height())) {
            std::fprintf(stderr, "zifrel_screenshot: the About icon (%dx%d) is cut by its box (%dx%d)\n", icon.width(),
                         icon.height(), label->width(), label->height());
            return 1;
        }
    }
    if (!PictureGuidance(folder, *values)) {
        std::fputs("zifrel_screenshot: cannot picture what the board marks\n", stderr);
        return 1;
    }
    for (auto [window, name] : {std::pair<QDialog*, const char*>{&help, "help.png"}, {&about, "about.png"}}) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window, kWaitMs) || !window->grab().save(folder + "/" + name)) {
            std::fprintf(stderr, "zifrel_screenshot: cannot picture %s\n", name);
            return 1;
        }
        window->hide();
    }
    std::printf("saved %s (%dx%d), %d of 81 cells overflow, %d explanations cover a cell they explain or cite\n",
                argv[1], shot.width(), shot.height(), overflowing, covering);
    return overflowing == 0 && covering == 0 ? 0 : 1;
}
