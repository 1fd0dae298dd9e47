// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
// On a pseudo-translation marking every text of the catalogue, no unmarked
// word shows; in German, Alt keys stay whole and every caption fits.
#include "about_dlg.h"
#include "board_dlg.h"
#include "board_menu_bar.h"
#include "cell_edit.h"
#include "generous_waits.h"
#include "help_dlg.h"
#include "keys_dlg.h"
#include "notice.h"
#include "puzzle_text.h"
#include "translations.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

QStringList escapes;

// Notes text if a word of it is outside the marks, unless a standard button
// says it from the toolkit's own catalogue.
void Check(const QString& text, QObject* where)
{
    auto* button = qobject_cast<QAbstractButton*>(where);
    auto* box = qobject_cast<QDialogButtonBox*>(button ? button->parentWidget() : nullptr);
    QString rest = text;
    for (QString before; before != rest;)
        before = std::exchange(rest, QString(rest).remove(QRegularExpression("\u27e6[^\u27e6\u27e7]*\u27e7")));
    if ((!box || box->standardButton(button) == QDialogButtonBox::NoButton)
        && rest.remove(QRegularExpression("<[^>]*>|\t.*$")).contains(QRegularExpression("\\p{L}")))
        escapes << where->metaObject()->className() + QStringLiteral(": ") + text;
}
void CheckAction(QAction* action)
{
    Check(action->text(), action);
    for (QAction* item : action->menu() ? action->menu()->actions() : QList<QAction*>())
        CheckAction(item);
}
void CheckAccessible(QAccessibleInterface* face)
{
    for (auto kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        Check(face->text(kind), face->object() ? face->object() : qApp);
    for (int k = 0; k < face->childCount(); ++k)
        CheckAccessible(face->child(k));
}
// Every shown window, its widgets and what a screen reader hears of it.
void CheckShown()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        Check(window->windowTitle(), window);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (auto* label = qobject_cast<QLabel*>(widget); label && label->isVisible())
                Check(label->text(), label);
            if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isVisible())
                Check(button->text(), button);
        }
        CheckAccessible(QAccessible::queryAccessibleInterface(window));
    }
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    // Each window's Alt keys: one control each, none a digit or an arrow;
    // each caption within its control.
    static void CheckKeysAndFits(QWidget* window)
    {
        QSet<QKeySequence> keys;
        for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
            for (const QAction* menu : bar->actions())
                if (const QKeySequence key = QKeySequence::mnemonic(menu->text()); !key.isEmpty())
                    keys << key;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(widget);
            auto* button = qobject_cast<QPushButton*>(widget);
            QString text = label ? label->text() : button ? button->text() : QString();
            if (text.isEmpty() || !widget->isVisible() || Qt::mightBeRichText(text))
                continue;
            const QKeySequence key = button || label->buddy() ? QKeySequence::mnemonic(text) : QKeySequence();
            const int code = key.isEmpty() ? 0 : key[0].key();
            QVERIFY2(!keys.contains(key) && (code < Qt::Key_0 || code > Qt::Key_9)
                         && (code < Qt::Key_Left || code > Qt::Key_Down),
                     qPrintable(text));
            if (!key.isEmpty())
                keys << key;
            text.remove(QRegularExpression("&(?!&)"));
            const QRect room = widget->contentsRect();
            const QRect needed = widget->fontMetrics().boundingRect(
                room, label && label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine, text);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(), qPrintable(text));
            // Nor does a text run under a button beside it.
            for (const QPushButton* other : window->findChildren<QPushButton*>())
                QVERIFY2(!label || !other->isVisible() || other->parent() != label->parent()
                             || !other->geometry().intersects(label->geometry()),
                         qPrintable(text + " / " + other->text()));
        }
    }

private slots:
    void everyTextGoesThroughTheCatalogue()
    {
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(ZIFREL_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
        QTimer closer; // checks and closes whatever modal window opens
        connect(&closer, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                CheckShown(), modal->reject();
        });
        closer.start(20);
        CBoardDlg board;
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board, kWaitMs));
        board.Board().LoadValues(
            *ParsePuzzleLine("....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1"));
        for (const auto id : {CBoardDlg::IdSet, CBoardDlg::IdCell, CBoardDlg::IdStart, CBoardDlg::IdPass,
                              CBoardDlg::IdReset, CBoardDlg::IdHelp})
            QTest::mouseClick(board.Button(id), Qt::LeftButton), CheckShown();
        for (const auto action : {CBoardDlg::Action::Hint, CBoardDlg::Action::Hint, CBoardDlg::Action::CheckPuzzle})
            board.MenuAction(action)->trigger(), QTest::qWait(50), CheckShown();
        QTRY_VERIFY(board.Notice()->isVisible());
        CheckShown();
        QTest::keyClick(board.CellControl(8, 8), Qt::Key_F1, Qt::ShiftModifier);
        CheckShown();
        QApplication::clipboard()->setText(QStringLiteral("not a puzzle"));
        board.MenuAction(CBoardDlg::Action::PastePuzzle)->trigger(), CheckShown();
        for (const auto id : {CBoardDlg::IdSolve, CBoardDlg::IdClear})
            QTest::mouseClick(board.Button(id), Qt::LeftButton), CheckShown();
        CheckAction(board.WindowMenu()->menuAction());
        for (QAction* menu : board.MenuBar()->actions())
            CheckAction(menu);
        CHelpDlg help;
        CAboutDlg about;
        CKeysDlg keys;
        for (QWidget* window : std::initializer_list<QWidget*>{&help, &about, &keys})
            window->show(), CheckShown(), window->hide();
        QCoreApplication::removeTranslator(&pseudo);
        escapes.removeDuplicates();
        qWarning().noquote() << "Not from the catalogue:\n" + escapes.join('\n');
        QVERIFY2(escapes.isEmpty(), qPrintable(QString::number(escapes.size()) + " texts not from the catalogue"));
    }

    void inGermanKeysStayWholeAndTextsFit()
    {
        if (!QFile::exists(CTranslations::Folder() + QStringLiteral("/zifrel_de.qm")))
            QSKIP("No German catalogue (translations/zifrel_de.ts) in this build");
        QCOMPARE(CTranslations(QLocale(QLocale::French)).Language(), QStringLiteral("en"));
        CTranslations german(QLocale(QLocale::German, QLocale::Switzerland));
        QCOMPARE(german.Language(), QStringLiteral("de"));
        german.Install();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Schließen"));
        CBoardDlg board;
        CHelpDlg help;
        CAboutDlg about;
        CKeysDlg keys;
        for (QWidget* window : std::initializer_list<QWidget*>{&board, &help, &about, &keys})
            window->show(), CheckKeysAndFits(window);
        for (QSize before; before != board.size(); QCoreApplication::processEvents())
            before = board.size(), board.MenuAction(CBoardDlg::Action::Larger)->trigger();
        CheckKeysAndFits(&board); // at the largest size the screen holds
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
