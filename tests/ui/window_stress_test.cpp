// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Random keys, pastes and button presses on the board window. After each,
// every cell must still follow the rules of typing: a cell showing a single
// character shows its own digit, and a cell the user has not left half
// edited shows exactly what it holds. ZIFREL_STRESS_SEED replays a run.

#include "board_dlg.h"
#include "cell_edit.h"
#include "generous_waits.h"
#include "puzzle_text.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <random>

class WindowStressTest : public QObject {
    Q_OBJECT

private slots:
    void randomUseKeepsEveryCellConsistent();
};

namespace {

QString RandomPaste(std::mt19937& random)
{
    static const QString pieces[] = {"7", "x",  "42", "\n", "\r\n", "1  2   \r\n   5   \r\n      9",
                                     "é", "\t", " ",  "0"};
    QString text;
    const int parts = std::uniform_int_distribution<int>(1, 6)(random);
    for (int i = 0; i < parts; ++i)
        text += pieces[std::uniform_int_distribution<int>(0, std::size(pieces) - 1)(random)];
    if (random() % 20 == 0)
        text = QString(std::uniform_int_distribution<int>(100, 40000)(random), QLatin1Char('8'));
    return text;
}

// What the cell shows when nothing typed stands in its place.
QString Shown(const CCell& cell)
{
    return QString::fromStdString(cell.DisplayText()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

void WindowStressTest::randomUseKeepsEveryCellConsistent()
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    const unsigned seed = qEnvironmentVariableIsSet("ZIFREL_STRESS_SEED")
        ? qEnvironmentVariableIntValue("ZIFREL_STRESS_SEED")
        : 20261208u;
    std::mt19937 random(seed);
    const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };

    CBoardDlg board;
    board.show();
    QVERIFY(QTest::qWaitForWindowActive(&board, kWaitMs));
    board.Board().LoadValues(
        *ParsePuzzleLine("...3.16.2.....4.8.8.....1.31.2.6......3...8..6...459.....5...........264.8..26..."));

    const CBoardDlg::ButtonId commands[] = {CBoardDlg::IdSolve, CBoardDlg::IdReset, CBoardDlg::IdClear,
                                            CBoardDlg::IdSet,   CBoardDlg::IdPass,  CBoardDlg::IdSave,
                                            CBoardDlg::IdLoad,  CBoardDlg::IdCell,  CBoardDlg::IdStart};
    const Qt::Key keys[] = {Qt::Key_0,     Qt::Key_1,         Qt::Key_5,      Qt::Key_9,      Qt::Key_A,   Qt::Key_Z,
                            Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End, Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Return, Qt::Key_Tab};
    std::array<bool, kCellCount> halfEdited{};
    int actions = 0;

    for (int step = 0; step < 3000; ++step) {
        const int kind = pick(10);
        if (kind < 2) {
            QTest::mouseClick(board.Button(commands[pick(std::size(commands))]), Qt::LeftButton);
            for (int i = 0; i < kCellCount; ++i) {
                const CCellEdit* control = board.CellControl(i / 9, i % 9);
                if (control->Text() == Shown(board.Board().Working()[i]))
                    halfEdited[i] = false;
            }
        } else {
            auto* cell = qobject_cast<CCellEdit*>(QApplication::focusWidget());
            if (!cell || kind == 2) {
                const int i = pick(kCellCount);
                cell = board.CellControl(i / 9, i % 9);
                QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(pick(cell->width()), pick(cell->height())));
            } else if (kind < 5) {
                QApplication::clipboard()->setText(RandomPaste(random));
                QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClick(cell, keys[pick(std::size(keys))], pick(8) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
            }
            for (int i = 0; i < kCellCount; ++i)
                if (board.CellControl(i / 9, i % 9) == cell)
                    halfEdited[i] = cell->Text() != Shown(board.Board().Working()[i]);
        }
        ++actions;

        for (int i = 0; i < kCellCount; ++i) {
            const CCellEdit* control = board.CellControl(i / 9, i % 9);
            const CCell& model = board.Board().Working()[i];
            const QString& text = control->Text();
            const QString where = QStringLiteral("seed %1 step %2 cell %3").arg(seed).arg(step).arg(i);
            if (text.size() == 1)
                QVERIFY2(model.GetValue() != 0 && text == QString::number(model.GetValue()), qPrintable(where));
            if (!halfEdited[i])
                QVERIFY2(text == Shown(model), qPrintable(where));
        }
    }
    QVERIFY(board.isVisible());
    qInfo("%d random actions", actions);
    QDir::setCurrent(previous);
}

QTEST_MAIN(WindowStressTest)
#include "window_stress_test.moc"
