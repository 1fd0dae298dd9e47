// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The board against a program that holds the X clipboard and never answers
// for it: pasting says so instead of holding the window up, and the board
// pastes again once the clipboard changes hands. Runs on a real X server.

#include "board_dlg.h"
#include "cell_edit.h"
#include "generous_waits.h"
#include "notice.h"
#include "silent_owner.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

const QString kSilent = QStringLiteral("Not pasted: the program that holds the clipboard does not answer");
const std::string kPuzzle =
    "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";

// The silent owner, started; given a text, it holds that and answers.
COwner StartOwner(const QStringList& text = {})
{
    return StartSilentOwner(QStringLiteral(ZIFREL_SILENT_OWNER), text);
}

} // namespace

class ClipboardOwnerTest : public QObject {
    Q_OBJECT

private slots:
    void aSilentOwnerIsToldAndTheBoardPastesOnceTheClipboardChangesHands()
    {
        QVERIFY(QGuiApplication::platformName() == QLatin1String("xcb"));
        CBoardDlg board;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board, kWaitMs));
        auto owner = StartOwner();
        QVERIFY(owner);

        for (int attempt = 0; attempt < 2; ++attempt) {
            board.OnPastePuzzle();
            QVERIFY(board.Notice()->isVisible());
            QCOMPARE(board.Notice()->text(), kSilent);
            QCOMPARE(board.History().Size(), std::size_t{0});
        }
        // Ctrl+V in a cell says the same, and the cell keeps its text.
        board.Notice()->hide();
        board.CellControl(0, 0)->setFocus();
        QTest::keyClick(board.CellControl(0, 0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(board.Notice()->text(), kSilent);
        QCOMPARE(board.CellControl(0, 0)->Text(), QString());

        // Once the clipboard changes hands, it is read again.
        owner = StartOwner({QString::fromStdString(kPuzzle)});
        QVERIFY(owner);
        board.OnPastePuzzle();
        QCOMPARE(board.Notice()->isVisible() ? board.Notice()->text() : QString(), QString());
        QCOMPARE(board.History().UndoName(), std::string("Paste"));
        QCOMPARE(board.Board().Cell(0, 4).GetValue(), 4);

        // A new silent owner is given its chance, and told of too.
        owner = StartOwner();
        QVERIFY(owner);
        board.OnPastePuzzle();
        QCOMPARE(board.Notice()->text(), kSilent);
        owner.reset();
    }
};

QTEST_MAIN(ClipboardOwnerTest)
#include "clipboard_owner_test.moc"
