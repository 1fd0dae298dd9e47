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
const QString kTooLong = QStringLiteral("Not pasted: the clipboard's text is too long to be a puzzle");
const std::string kPuzzle = "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";

// The silent owner, started; given a text, it holds that and answers.
COwner StartOwner(const QStringList& text = {}) { return StartSilentOwner(QStringLiteral(ZIFREL_SILENT_OWNER), text); }

} // namespace

class ClipboardOwnerTest : public QObject {
    Q_OBJECT

private slots:
    // Owners that answer nothing, list their formats only, or stall a
    // chunked transfer: asked so often for the first paste, not again.
    void aSilentOwnerIsToldAndTheBoardPastesOnceTheClipboardChangesHands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("asked");
        QTest::newRow("silent") << QStringList() << 1;
        QTest::newRow("formats only") << QStringList{QStringLiteral("--formats")} << 2;
        QTest::newRow("chunks stall") << QStringList{QStringLiteral("--incr"), QStringLiteral("0")} << 2;
    }
    void aSilentOwnerIsToldAndTheBoardPastesOnceTheClipboardChangesHands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, asked);
        QVERIFY(QGuiApplication::platformName() == QLatin1String("xcb"));
        CBoardDlg board;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board, kWaitMs));
        auto owner = StartOwner(arguments);
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
        auto next = StartOwner({QString::fromStdString(kPuzzle)});
        QVERIFY(next);
        QVERIFY(owner->waitForFinished(kWaitMs));
        QCOMPARE(owner->readAll().count("asked"), asked);
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

    // A puzzle in chunks pastes; of 100 MB, one chunk is read.
    void aChunkedClipboardIsReadNoFurtherThanAPuzzleReaches()
    {
        CBoardDlg board;
        auto owner = StartOwner({QStringLiteral("--incr"), QStringLiteral("81")});
        board.OnPastePuzzle();
        QCOMPARE(board.Board().Cell(8, 8).GetValue(), 7);
        owner = StartOwner({QStringLiteral("--incr"), QString::number(100 << 20)});
        board.OnPastePuzzle();
        QCOMPARE(board.Notice()->text(), kTooLong);
        auto next = StartOwner();
        QVERIFY(owner->waitForFinished(kWaitMs));
        QCOMPARE(owner->readAll().count("sent"), 1);
    }
};

QTEST_MAIN(ClipboardOwnerTest)
#include "clipboard_owner_test.moc"
