// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Every text the window shows or tells a screen reader comes from the
// catalogue: run on a pseudo-translation that marks each text, no unmarked
// words show. In German, keys stay whole and every text fits its control.

#include "about_dlg.h"
#include "board_dlg.h"
#include "board_menu_bar.h"
#include "board_zoom.h"
#include "cell_edit.h"
#include "generous_waits.h"
#include "help_dlg.h"
#include "keys_dlg.h"
#include "notice.h"
#include "puzzle_text.h"
#include "translations.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

const std::string kPuzzle =
    "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";

// What is left of text once every marked part, mark-up and shortcut is gone.
QString Unmarked(QString text)
{
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    static const QRegularExpression tags(QStringLiteral("<[^>]*>|&[a-z]+;|\t.*$"));
    for (QString before; before != text;)
        before = std::exchange(text, QString(text).remove(marked));
    return text.remove(tags);
}

// The words of every shown text under window that came from no catalogue.
class CEscapes {
public:
    void Collect(QWidget* window)
    {
        if (window->isWindow())
            Check(window->windowTitle(), window);
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets << window;
        for (QWidget* widget : widgets) {
            if (!widget->isVisible())
                continue;
            if (const auto* label = qobject_cast<QLabel*>(widget))
                Check(label->text(), widget);
            if (const auto* button = qobject_cast<QAbstractButton*>(widget))
                Check(button->text(), widget);
            Check(widget->toolTip(), widget);
            for (QAction* action : widget->actions())
                CollectAction(action);
        }
        CollectAccessible(QAccessible::queryAccessibleInterface(window), 0);
    }
    void CollectAction(QAction* action)
    {
        Check(action->text(), action);
        if (QMenu* menu = action->menu()) {
            Check(menu->title(), menu);
            for (QAction* item : menu->actions())
                CollectAction(item);
        }
    }
    QStringList Found() const { return found_.values(); }

private:
    QSet<QString> found_;
    // A standard button ("Close", "Cancel") speaks from the toolkit's own catalogue.
    static bool FromToolkit(const QObject* where)
    {
        auto* button = qobject_cast<QAbstractButton*>(const_cast<QObject*>(where));
        const auto* box = button ? qobject_cast<QDialogButtonBox*>(button->parentWidget()) : nullptr;
        return box && box->standardButton(button) != QDialogButtonBox::NoButton;
    }
    void Check(const QString& text, const QObject* where)
    {
        if (!FromToolkit(where) && Unmarked(text).contains(QRegularExpression(QStringLiteral("\\p{L}"))))
            found_ << QStringLiteral("%1: %2").arg(QString::fromLatin1(where->metaObject()->className()), text);
    }
    void CollectAccessible(QAccessibleInterface* face, int depth)
    {
        if (!face || depth > 12)
            return;
        for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            Check(face->text(kind), face->object() ? face->object() : qApp);
        for (int k = 0; k < face->childCount(); ++k)
            CollectAccessible(face->child(k), depth + 1);
    }
};

// Checks and closes whatever modal window opens, until stopped.
class CModalCloser : public QObject {
public:
    explicit CModalCloser(CEscapes& escapes) : escapes_(escapes) { startTimer(20); }

protected:
    void timerEvent(QTimerEvent*) override
    {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            escapes_.Collect(modal);
            modal->reject();
        }
    }

private:
    CEscapes& escapes_;
};

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    QTranslator catalogue_;
    QTemporaryDir folder_;

    // Every shown window, popups included.
    static void CollectShown(CEscapes& escapes)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                escapes.Collect(window);
    }
    static void Trigger(CBoardDlg& board, CBoardDlg::Action action, CEscapes& escapes)
    {
        board.MenuAction(action)->trigger();
        QTest::qWait(50);
        CollectShown(escapes);
    }
    static void Press(CBoardDlg& board, CBoardDlg::ButtonId id, CEscapes& escapes)
    {
        QTest::mouseClick(board.Button(id), Qt::LeftButton);
        CollectShown(escapes);
    }
    // Each window's Alt keys: one control each, none on a digit or arrow.
    static void CheckKeys(QWidget* window)
    {
        QMap<QKeySequence, QString> owners;
        QStringList texts;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy())
                texts << label->text();
        if (auto* board = qobject_cast<CBoardDlg*>(window))
            for (const QAction* menu : board->MenuBar()->actions())
                texts << menu->text();
        for (const QString& text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                continue;
            const int code = key[0].key();
            QVERIFY2(!(code >= Qt::Key_0 && code <= Qt::Key_9) && !(code >= Qt::Key_Left && code <= Qt::Key_Down),
                     qPrintable(text));
            QVERIFY2(!owners.contains(key), qPrintable(owners.value(key) + QStringLiteral(" / ") + text));
            owners.insert(key, text);
        }
    }
    // Every shown caption of window within its control.
    static void CheckFits(QWidget* window)
    {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            QString text;
            if (const auto* button = qobject_cast<QPushButton*>(widget))
                text = button->text();
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()))
                text = label->text();
            if (text.isEmpty())
                continue;
            text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            const QRect room = widget->contentsRect();
            const int flags = label && label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
            const QRect needed = widget->fontMetrics().boundingRect(room, flags, text);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5").arg(text).arg(needed.width())
                                    .arg(needed.height()).arg(room.width()).arg(room.height())));
        }
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(folder_.path());
    }

    void everyTextGoesThroughTheCatalogue()
    {
        QVERIFY(catalogue_.load(QStringLiteral(ZIFREL_PSEUDO_QM)));
        QCoreApplication::installTranslator(&catalogue_);
        CEscapes escapes;
        CModalCloser closer(escapes);
        {
            CBoardDlg board;
            board.show();
            QVERIFY(QTest::qWaitForWindowActive(&board, kWaitMs));
            CollectShown(escapes);
            board.Board().LoadValues(*ParsePuzzleLine(kPuzzle));
            for (const auto id : {CBoardDlg::IdSet, CBoardDlg::IdCell, CBoardDlg::IdStart, CBoardDlg::IdPass,
                                  CBoardDlg::IdSave, CBoardDlg::IdReset, CBoardDlg::IdLoad, CBoardDlg::IdHelp})
                Press(board, id, escapes);
            Trigger(board, CBoardDlg::Action::Hint, escapes);
            Trigger(board, CBoardDlg::Action::Hint, escapes);
            board.CellControl(8, 8)->setFocus();
            QTest::keyClick(board.CellControl(8, 8), Qt::Key_F1, Qt::ShiftModifier);
            CollectShown(escapes);
            Trigger(board, CBoardDlg::Action::CheckPuzzle, escapes);
            QTRY_VERIFY(board.Notice()->isVisible());
            CollectShown(escapes);
            QApplication::clipboard()->setText(QStringLiteral("not a puzzle"));
            Trigger(board, CBoardDlg::Action::PastePuzzle, escapes);
            for (const auto id : {CBoardDlg::IdSolve, CBoardDlg::IdClear})
                Press(board, id, escapes);
            escapes.CollectAction(board.WindowMenu()->menuAction());
            for (QAction* menu : board.MenuBar()->actions())
                escapes.CollectAction(menu);
        }
        for (QWidget* window : {static_cast<QWidget*>(new CHelpDlg), static_cast<QWidget*>(new CAboutDlg),
                                static_cast<QWidget*>(new CKeysDlg)}) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window, kWaitMs));
            escapes.Collect(window);
            window->close();
        }
        QCoreApplication::removeTranslator(&catalogue_);
        QStringList found = escapes.Found();
        found.sort();
        for (const QString& text : found)
            qWarning().noquote() << "Not from the catalogue:" << text;
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 texts not from the catalogue").arg(found.size())));
    }

    void inGermanKeysStayWholeAndTextsFit()
    {
        if (!QFile::exists(CTranslations::Folder() + QStringLiteral("/zifrel_de.qm")))
            QSKIP("No German catalogue (translations/zifrel_de.ts) in this build");
        // A language with no catalogue falls back to English.
        QCOMPARE(CTranslations(QLocale(QLocale::French)).Language(), QStringLiteral("en"));
        CTranslations german(QLocale(QLocale::German, QLocale::Switzerland));
        QCOMPARE(german.Language(), QStringLiteral("de"));
        german.Install();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Schließen"));
        CBoardZoom::KeepSize(QSize());
        CBoardDlg board;
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board, kWaitMs));
        CHelpDlg help;
        CAboutDlg about;
        CKeysDlg keys;
        for (QWidget* window : {static_cast<QWidget*>(&board), static_cast<QWidget*>(&help),
                                static_cast<QWidget*>(&about), static_cast<QWidget*>(&keys)}) {
            window->show();
            CheckKeys(window);
            CheckFits(window);
        }
        // Up to the largest size the screen holds.
        for (QSize before; before != board.size();) {
            before = board.size();
            board.MenuAction(CBoardDlg::Action::Larger)->trigger();
            QCoreApplication::processEvents();
        }
        CheckFits(&board);
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
