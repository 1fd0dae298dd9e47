// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The board window driven as a person drives it: clicks, mnemonics, typing
// and arrow keys, on Qt's offscreen platform.

#include "about_dlg.h"
#include "board_dlg.h"
#include "board_menu_bar.h"
#include "board_print.h"
#include "board_style.h"
#include "board_zoom.h"
#include "keys_dlg.h"
#include "cell_edit.h"
#include "help_dlg.h"
#include "dialog_units.h"
#include "cell_explanation.h"
#include "citation_style.h"
#include "dark_palette.h"
#include "explanation_tip.h"
#include "generous_waits.h"
#include "guidance.h"
#include "guidance_style.h"
#include "notice.h"
#include "palette_colours.h"
#include "placement_check.h"
#include "puzzle_job.h"
#include "puzzle_maker.h"
#include "puzzle_text.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QComboBox>
#include <QCheckBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QScreen>
#include <QHelpEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QUrl>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <QToolTip>

#include <bit>
#include <functional>

namespace {

const std::string kPuzzle = "....4..........71.....3....18.9..6.7.4.....3.7...1..9..7..518.9...46.3..86....5.1";
const std::string kSolution = "637142985425689713918735426183924657249576138756813294374251869591468372862397541";

std::string ValuesOf(const CBoard& board)
{
    std::string cells;
    for (const CCell& cell : board.Working())
        cells += static_cast<char>('0' + cell.GetValue());
    return cells;
}

// The first puzzle of a shared set, as a line.
std::string LoadPuzzleSetLine(const char* set)
{
    QFile file(QStringLiteral(ZIFREL_PUZZLE_DIR "/%1.csv").arg(QLatin1String(set)));
    file.open(QIODevice::ReadOnly);
    return file.readLine().split(',').front().toStdString();
}

std::string Zeroed(std::string cells)
{
    for (char& c : cells)
        if (c == '.')
            c = '0';
    return cells;
}

// Runs action once the next modal window has opened, then returns, leaving
// the test to wait for that window to close. Several can be chained. Gives
// up after a minute, so that a window that never opens cannot leave the
// action waiting into the next test.
void WhenModalOpens(std::function<void(QWidget*)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto deadline = std::make_shared<QDeadlineTimer>(kWaitMs);
    QObject::connect(poll, &QTimer::timeout, [poll, action, deadline] {
        if (deadline->hasExpired()) {
            poll->stop();
            poll->deleteLater();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start();
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CBoardDlg> board_;
    std::unique_ptr<QTemporaryDir> folder_;
    QString previousFolder_;

    CCellEdit* Cell(int row, int column) { return board_->CellControl(row, column); }
    bool NoCellMarked()
    {
        for (int i = 0; i < kCellCount; ++i)
            if (Cell(i / 9, i % 9)->IsConflicting())
                return false;
        return true;
    }
    // A digit that, typed into an empty cell of the puzzle where no digit
    // shown clashes with it, leaves after Solve a cell with no digit: the
    // first such, in board order.
    static std::pair<int, int> WrongDigit()
    {
        const Values puzzle = *ParsePuzzleLine(kPuzzle);
        for (int i = 0; i < kCellCount; ++i) {
            for (int digit = 1; digit <= 9 && puzzle[static_cast<std::size_t>(i)] == 0; ++digit) {
                CBoard board;
                board.LoadValues(puzzle);
                board.Working()[static_cast<std::size_t>(i)].SetValue(digit);
                if (!SameDigitPeers(board.Working(), i).empty())
                    continue;
                board.OnSolve();
                for (const CCell& c : board.Working())
                    if (c.GetValue() == 0 && c.CandidateCount() == 0)
                        return {i, digit};
            }
        }
        return {-1, 0};
    }
    static CBoardState WrongDigitSolved()
    {
        const auto [cell, digit] = WrongDigit();
        CBoard board;
        board.LoadValues(*ParsePuzzleLine(kPuzzle));
        board.Working()[static_cast<std::size_t>(cell)].SetValue(digit);
        board.OnSolve();
        return board.State();
    }
    int FirstEmptiedCell()
    {
        for (int i = 0; i < kCellCount; ++i)
            if (board_->Board().Working()[static_cast<std::size_t>(i)].GetValue() == 0
                && board_->Board().Working()[static_cast<std::size_t>(i)].CandidateCount() == 0)
                return i;
        return -1;
    }
    void Load(const std::string& puzzle) { board_->Board().LoadValues(*ParsePuzzleLine(puzzle)); }
    // After a change made to a cell directly, the window shows it.
    void Redraw(int row, int column)
    {
        board_->Board().Cell(row, column).UpdateDisplay();
        board_->Board().UpdateDisplay();
    }
    // The text fits inside the cell's border.
    static bool TextFits(const CCellEdit* cell)
    {
        const QRect text = cell->TextRect();
        return text.width() == 0 || cell->rect().adjusted(1, 1, -1, -1).contains(text);
    }
    // Every button of window has an Alt key of its own there.
    static bool AltKeysOfTheirOwn(const QWidget* window)
    {
        // The menu bar's overflow button shows only when its menus do not fit.
        QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
        buttons.removeIf([](const QAbstractButton* button) { return qobject_cast<const QToolButton*>(button); });
        QSet<QKeySequence> keys;
        for (const QAbstractButton* button : buttons)
            keys << QKeySequence::mnemonic(button->text());
        return !keys.contains(QKeySequence()) && keys.size() == buttons.size();
    }
    // Clicks into the cell as a person arriving there does.
    void FocusCell(int row, int column)
    {
        if (Cell(row, column)->hasFocus())
            board_->Button(CBoardDlg::IdHelp)->setFocus();
        QTest::mouseClick(Cell(row, column), Qt::LeftButton);
        QVERIFY(Cell(row, column)->hasFocus());
    }

private slots:
    void initTestCase()
    {
        // The size the window keeps goes to a folder of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        CBoardZoom::KeepSize(QSize());
        folder_ = std::make_unique<QTemporaryDir>();
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_->path());
        board_ = std::make_unique<CBoardDlg>();
        board_->show();
        QVERIFY(QTest::qWaitForWindowActive(board_.get(), kWaitMs));
    }

    void cleanup()
    {
        board_.reset();
        QDir::setCurrent(previousFolder_);
        folder_.reset();
    }

    void startUpShowsAnEmptyBoardWithTheFocusTopLeft()
    {
        QCOMPARE(board_->windowTitle(), QStringLiteral("Zifrel"));
        for (int i = 0; i < kCellCount; ++i) {
            QCOMPARE(Cell(i / 9, i % 9)->Text(), QString());
            QCOMPARE(board_->Board().Working()[i].GetValue(), 0);
        }
        QCOMPARE(QApplication::focusWidget(), Cell(0, 0));
        QCOMPARE(board_->Board().CursorRow(), 8);
        QCOMPARE(board_->Board().CursorColumn(), 8);
    }

    // The window resizes from the board's normal size up: the board takes
    // the largest scale that fits, in proportion, in the middle of the room
    // below the menu bar, and the size is kept for the next start.
    void theWindowResizesAndTheBoardScalesWithIt()
    {
        const QSize normal = board_->size();
        QCOMPARE(board_->minimumSize(), normal);
        const QRect board = board_->BoardRect();
        QCOMPARE(board.top(), board_->MenuBar()->geometry().bottom() + 1);
        const QRect cell = Cell(4, 7)->geometry().translated(-board.topLeft());
        Load(kPuzzle);
        board_->OnPass();
        board_->resize(board.width() * 2, board.top() + board.height() * 3 / 2);
        QVERIFY(std::abs(board_->Scale() - 1.5) < 0.01);
        const QRect grown = board_->BoardRect();
        QVERIFY(std::abs(grown.center().x() - board_->width() / 2) <= 1);
        QCOMPARE(grown.top(), board.top());
        const QRect now = Cell(4, 7)->geometry().translated(-grown.topLeft());
        QVERIFY(std::abs(now.x() - cell.x() * board_->Scale()) <= 2
                && std::abs(now.width() - cell.width() * board_->Scale()) <= 2);
        QCOMPARE(board_->ValueFont().pointSizeF(), 12 * board_->Scale());
        for (int i = 0; i < kCellCount; ++i)
            QVERIFY(TextFits(Cell(i / 9, i % 9)));
        board_->resize(normal / 2);
        QCOMPARE(board_->size(), normal);
        QCOMPARE(board_->Scale(), 1.0);
        const QSize kept(normal.width() + 100, normal.height() + 60);
        board_->resize(kept);
        board_->Board().OnClear();
        board_->close();
        CBoardDlg again;
        QCOMPARE(again.size(), kept);

        QVERIFY(board_->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(board_->windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(!board_->windowIcon().isNull());
        QVERIFY(board_->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(board_->windowIcon().availableSizes().contains(QSize(32, 32)));
        // Read at each use: every size asked for comes, and greyed when disabled.
        for (const int side : {16, 20, 32, 128, 200})
            QCOMPARE(board_->windowIcon().pixmap(side).size(), QSize(side, side).boundedTo(QSize(128, 128)));
        const QImage plain = board_->windowIcon().pixmap(32).toImage();
        const QImage greyed = board_->windowIcon().pixmap(32, QIcon::Disabled).toImage();
        QCOMPARE(greyed.size(), plain.size());
        QVERIFY(greyed != plain);
        // The program's style reads the menu bar's extension icon only when
        // it is first shown, and then it is the desktop style's own.
        CBoardStyle style;
        for (const auto icon : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton}) {
            const QIcon late = style.standardIcon(icon, nullptr, nullptr);
            const QIcon own = QApplication::style()->standardIcon(icon);
            QCOMPARE(late.availableSizes(), own.availableSizes());
            QCOMPARE(late.pixmap(16).toImage(), own.pixmap(16).toImage());
        }
    }

    // A cell painted again, at each size, looks as it did when first painted:
    // its lines are then laid out once and kept, and drawn whole only where
    // they fit (the long text is drawn in part).
    void aCellPaintedAgainLooksAsItDid()
    {
        Load(kPuzzle);
        board_->OnPass();
        Cell(5, 5)->setFocus();
        QApplication::clipboard()->setText(QString(200, QLatin1Char('8')));
        QTest::keyClick(Cell(5, 5), Qt::Key_V, Qt::ControlModifier);
        Cell(0, 0)->setFocus();
        for (int step = 0; step < 2; ++step) {
            if (step == 1)
                board_->OnLarger();
            for (const auto& [row, column] : {std::pair{0, 2}, {4, 7}, {5, 5}, {8, 8}}) {
                const QImage first = Cell(row, column)->grab().toImage();
                for (int again = 0; again < 2; ++again)
                    QCOMPARE(Cell(row, column)->grab().toImage(), first);
            }
        }
    }

    void cellsStandInBoxesSetApart()
    {
        // Dialog units round down to pixels, so equal steps may differ by one.
        const int step = Cell(0, 1)->x() - Cell(0, 0)->x();
        QVERIFY(std::abs(Cell(0, 2)->x() - Cell(0, 1)->x() - step) <= 1);
        QVERIFY(Cell(0, 3)->x() - Cell(0, 2)->x() > step + 1);
        const int down = Cell(1, 0)->y() - Cell(0, 0)->y();
        QVERIFY(std::abs(Cell(2, 0)->y() - Cell(1, 0)->y() - down) <= 1);
        QVERIFY(Cell(3, 0)->y() - Cell(2, 0)->y() > down + 1);
        for (int i = 0; i < kCellCount; ++i)
            QCOMPARE(Cell(i / 9, i % 9)->size(), Cell(0, 0)->size());
        QVERIFY(Cell(8, 8)->geometry().bottom() < board_->Button(CBoardDlg::IdClear)->y());
    }

    void buttonsHaveTheirCaptionsAndNoneIsDefault()
    {
        const QList<QPair<CBoardDlg::ButtonId, QString>> captions = {
            {CBoardDlg::IdClear, "Cl&ear"}, {CBoardDlg::IdReset, "&Reset"}, {CBoardDlg::IdSet, "Se&t"},
            {CBoardDlg::IdPass, "&Pass"},   {CBoardDlg::IdSolve, "&Solve"}, {CBoardDlg::IdHelp, "&Help"},
            {CBoardDlg::IdLoad, "&Load"},   {CBoardDlg::IdSave, "Sa&ve"},   {CBoardDlg::IdStart, "St&art"},
            {CBoardDlg::IdCell, "&Cell"},
        };
        for (const auto& [id, caption] : captions) {
            QCOMPARE(board_->Button(id)->text(), caption);
            QVERIFY(!board_->Button(id)->isDefault());
        }
    }

    void solvePassAndCellByClick()
    {
        Load(kPuzzle);
        QTest::mouseClick(board_->Button(CBoardDlg::IdCell), Qt::LeftButton);
        QVERIFY(board_->Board().Cell(0, 0).ShowsCandidates());
        QVERIFY(!board_->Board().Cell(0, 1).ShowsCandidates());
        QTest::mouseClick(board_->Button(CBoardDlg::IdPass), Qt::LeftButton);
        const std::string afterPass = ValuesOf(board_->Board());
        QVERIFY(afterPass != Zeroed(kPuzzle));
        QVERIFY(afterPass != kSolution);
        QTest::mouseClick(board_->Button(CBoardDlg::IdSolve), Qt::LeftButton);
        QCOMPARE(ValuesOf(board_->Board()), kSolution);
    }

    void solvePassAndCellByMnemonic()
    {
        Load(kPuzzle);
        QTest::keyClick(board_.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(board_->Board().CursorColumn(), 0);
        QVERIFY(board_->Board().Cell(0, 0).ShowsCandidates());
        QTest::keyClick(board_.get(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(board_->Board().CursorColumn(), 8);
        QTest::keyClick(board_.get(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(ValuesOf(board_->Board()) != Zeroed(kPuzzle));
        QTest::keyClick(board_.get(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(ValuesOf(board_->Board()), kSolution);
    }

    void setClearAndResetByClickAndMnemonic()
    {
        Load(kPuzzle);
        QTest::mouseClick(board_->Button(CBoardDlg::IdSet), Qt::LeftButton);
        QTest::mouseClick(board_->Button(CBoardDlg::IdClear), Qt::LeftButton);
        QCOMPARE(ValuesOf(board_->Board()), std::string(81, '0'));
        QTest::mouseClick(board_->Button(CBoardDlg::IdReset), Qt::LeftButton);
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));

        QTest::keyClick(board_.get(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(ValuesOf(board_->Board()), std::string(81, '0'));
        QTest::keyClick(board_.get(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));
        board_->Board().Cell(0, 0).SetValue(6);
        QTest::keyClick(board_.get(), Qt::Key_T, Qt::AltModifier);
        QTest::keyClick(board_.get(), Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(board_.get(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 6);
    }

    void saveAndLoadByClickAndMnemonic()
    {
        Load(kPuzzle);
        QTest::mouseClick(board_->Button(CBoardDlg::IdSave), Qt::LeftButton);
        QVERIFY(QFile::exists(QStringLiteral("Zifrel.zfr")));
        QTest::mouseClick(board_->Button(CBoardDlg::IdClear), Qt::LeftButton);
        QTest::mouseClick(board_->Button(CBoardDlg::IdLoad), Qt::LeftButton);
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));

        QFile::remove(QStringLiteral("Zifrel.zfr"));
        QTest::keyClick(board_.get(), Qt::Key_V, Qt::AltModifier);
        QVERIFY(QFile::exists(QStringLiteral("Zifrel.zfr")));
        QTest::keyClick(board_.get(), Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(board_.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));
    }

    void helpOpensByClickAndMnemonicAndAboutOpensInsideIt()
    {
        bool sawAbout = false;
        bool backInHelp = false;
        WhenModalOpens([&](QWidget* help) {
            QVERIFY(qobject_cast<CHelpDlg*>(help));
            QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
            WhenModalOpens([&, help](QWidget* about) {
                sawAbout = qobject_cast<CAboutDlg*>(about) != nullptr;
                QCOMPARE(about->windowTitle(), QStringLiteral("About Zifrel"));
                QTest::mouseClick(static_cast<CAboutDlg*>(about)->OkButton(), Qt::LeftButton);
                WhenModalOpens([&, help](QWidget* modal) {
                    backInHelp = modal == help;
                    QTest::keyClick(modal, Qt::Key_Escape);
                });
            });
            QTest::mouseClick(static_cast<CHelpDlg*>(help)->AboutButton(), Qt::LeftButton);
        });
        QTest::mouseClick(board_->Button(CBoardDlg::IdHelp), Qt::LeftButton);
        QVERIFY(sawAbout);
        QVERIFY(backInHelp);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // Mnemonics reach only the active window.
        board_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board_.get(), kWaitMs));
        bool sawHelp = false;
        WhenModalOpens([&](QWidget* help) {
            sawHelp = qobject_cast<CHelpDlg*>(help) != nullptr;
            QTest::keyClick(help, Qt::Key_Escape);
        });
        QTest::keyClick(board_.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(sawHelp);
        QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void helpAndAboutShowTheirTexts()
    {
        CHelpDlg help;
        QStringList texts;
        for (const QLabel* label : help.findChildren<QLabel*>())
            texts << label->text();
        QCOMPARE(texts.size(), 22);
        QVERIFY(texts.contains("Help - calls up this help dialog"));
        QVERIFY(texts.contains("Cell - runs one cell at a time to update thee currently known possible remaining "
                               "values for that cell."));
        QVERIFY(texts.contains("Start - sets the current cell back to the upper lefthand cell for processing by "
                               "the Cell button."));
        CAboutDlg about;
        QStringList aboutTexts;
        for (const QLabel* label : about.findChildren<QLabel*>())
            aboutTexts << label->text();
        QVERIFY(aboutTexts.contains("Zifrel Version 1.00, 2007-01-01"));
        QVERIFY(about.OkButton()->isDefault());
        QVERIFY(AltKeysOfTheirOwn(&help) && AltKeysOfTheirOwn(&about) && AltKeysOfTheirOwn(board_.get()));
        QVERIFY(help.width() > about.width());

        // Every text is shown whole, within its window.
        for (QDialog* window : {static_cast<QDialog*>(&help), static_cast<QDialog*>(&about)}) {
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
                QVERIFY2(needed.height() <= label->height(), qPrintable(label->text()));
                QVERIFY(window->rect().contains(label->geometry()));
            }
        }
    }

    void aboutOpensFromTheWindowMenu()
    {
        const QList<QAction*> actions = board_->WindowMenu()->actions();
        QVERIFY(actions.size() >= 4);
        QCOMPARE(actions.last()->text(), QStringLiteral("&About Zifrel..."));
        QVERIFY(actions[actions.size() - 2]->isSeparator());
        bool sawAbout = false;
        WhenModalOpens([&](QWidget* about) {
            sawAbout = qobject_cast<CAboutDlg*>(about) != nullptr;
            QTest::keyClick(about, Qt::Key_Return);
        });
        actions.last()->trigger();
        QVERIFY(sawAbout);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void rightClickOutsideTheCellsOpensTheWindowMenu()
    {
        QSignalSpy shown(board_->WindowMenu(), &QMenu::aboutToShow);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), board_->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(board_.get(), &event);
        QTRY_COMPARE(shown.count(), 1);
        board_->WindowMenu()->close();

        FocusCell(2, 5);
        QTest::keyClick(Cell(2, 5), Qt::Key_Space, Qt::AltModifier);
        QTRY_COMPARE(shown.count(), 2);
        board_->WindowMenu()->close();
        QCOMPARE(Cell(2, 5)->Text(), QString());
    }

    void typingADigitSetsTheCell()
    {
        FocusCell(4, 4);
        QTest::keyClick(Cell(4, 4), Qt::Key_7);
        QCOMPARE(board_->Board().Cell(4, 4).GetValue(), 7);
        QCOMPARE(Cell(4, 4)->Text(), QStringLiteral("7"));
        // The person's entry, slanted.
        QVERIFY(Cell(4, 4)->IsEntered() && Cell(4, 4)->CurrentFont().italic());
        // The whole text stays selected, so the next digit replaces it.
        QTest::keyClick(Cell(4, 4), Qt::Key_3);
        QCOMPARE(board_->Board().Cell(4, 4).GetValue(), 3);
        QCOMPARE(Cell(4, 4)->Text(), QStringLiteral("3"));
    }

    void typingZeroEmptiesAFilledCell()
    {
        FocusCell(2, 2);
        QTest::keyClick(Cell(2, 2), Qt::Key_5);
        QTest::keyClick(Cell(2, 2), Qt::Key_0);
        QCOMPARE(board_->Board().Cell(2, 2).GetValue(), 0);
        QCOMPARE(board_->Board().Cell(2, 2).CandidateCount(), 9);
        QCOMPARE(Cell(2, 2)->Text(), QString());
    }

    void theRightmostOfTwoCharactersWins()
    {
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_7);
        QTest::keyClick(Cell(0, 0), Qt::Key_End);
        QTest::keyClick(Cell(0, 0), Qt::Key_4);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 4);
        QCOMPARE(Cell(0, 0)->Text(), QStringLiteral("4"));

        QTest::keyClick(Cell(0, 0), Qt::Key_7);
        QTest::keyClick(Cell(0, 0), Qt::Key_Home);
        QTest::keyClick(Cell(0, 0), Qt::Key_4);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 7);
        QCOMPARE(Cell(0, 0)->Text(), QStringLiteral("7"));
    }

    void aClickInAFocusedCellPlacesTheCaret()
    {
        FocusCell(5, 5);
        QTest::keyClick(Cell(5, 5), Qt::Key_8);
        QTest::mouseClick(Cell(5, 5), Qt::LeftButton, {}, QPoint(1, Cell(5, 5)->height() / 2));
        QCOMPARE(Cell(5, 5)->CaretPosition(), 0);
        QCOMPARE(Cell(5, 5)->SelectionStart(), Cell(5, 5)->SelectionEnd());
        QTest::keyClick(Cell(5, 5), Qt::Key_2);
        QCOMPARE(board_->Board().Cell(5, 5).GetValue(), 8);
    }

    void lettersCannotBeTypedButAPastedLetterEmptiesTheCell()
    {
        FocusCell(1, 1);
        QTest::keyClick(Cell(1, 1), Qt::Key_9);
        QTest::keyClicks(Cell(1, 1), QStringLiteral("ab -"));
        QCOMPARE(Cell(1, 1)->Text(), QStringLiteral("9"));
        QCOMPARE(board_->Board().Cell(1, 1).GetValue(), 9);

        QApplication::clipboard()->setText(QStringLiteral("x"));
        QTest::keyClick(Cell(1, 1), Qt::Key_End);
        QTest::keyClick(Cell(1, 1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(board_->Board().Cell(1, 1).GetValue(), 0);
        QCOMPARE(Cell(1, 1)->Text(), QString());

        QTest::keyClick(Cell(1, 1), Qt::Key_6);
        QTest::keyClick(Cell(1, 1), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Cell(1, 1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(board_->Board().Cell(1, 1).GetValue(), 0);
    }

    void aDeletedDigitStaysInTheBoardUntilSet()
    {
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_7);
        QTest::keyClick(Cell(0, 0), Qt::Key_Backspace);
        QCOMPARE(Cell(0, 0)->Text(), QString());
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 7);
        board_->OnPass();
        QVERIFY(!board_->Board().Cell(0, 1).IsOpen(7));
        board_->OnSet();
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 0);
        board_->OnReset();
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 0);
        // Any text typing leaves that is not one character stays shown
        // while the cell keeps its value, and Set reads it as empty.
        for (const QString& left :
             {QStringLiteral("1  2  3\n4     6\n7  8  9"), QStringLiteral("hello"), QStringLiteral("123")}) {
            FocusCell(0, 0);
            QTest::keyClick(Cell(0, 0), Qt::Key_7);
            Cell(0, 0)->TypeOver(left);
            QCOMPARE(Cell(0, 0)->Text(), left);
            QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 7);
            board_->OnSet();
            QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 0);
            QCOMPARE(Cell(0, 0)->Text(), QString());
        }
    }

    void typingIntoPencilMarksFillsTheCell()
    {
        Load(kPuzzle);
        board_->OnPass();
        QVERIFY(board_->Board().Cell(0, 0).ShowsCandidates());
        FocusCell(0, 0);
        QCOMPARE(Cell(0, 0)->SelectionEnd() - Cell(0, 0)->SelectionStart(), Cell(0, 0)->Text().size());
        QTest::keyClick(Cell(0, 0), Qt::Key_6);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 6);
        QCOMPARE(Cell(0, 0)->Text(), QStringLiteral("6"));
    }

    void arrowKeysMoveWithWrapAroundAndNeverTheCaret()
    {
        FocusCell(0, 8);
        QTest::keyClick(Cell(0, 8), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), Cell(0, 0));
        QTest::keyClick(Cell(0, 0), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), Cell(0, 8));
        QTest::keyClick(Cell(0, 8), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), Cell(8, 8));
        QTest::keyClick(Cell(8, 8), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), Cell(0, 8));
        QTest::keyClick(Cell(0, 8), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), Cell(1, 8));

        QTest::keyClick(Cell(1, 8), Qt::Key_4);
        QTest::keyClick(Cell(1, 8), Qt::Key_End);
        QTest::keyClick(Cell(1, 8), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), Cell(1, 7));
        QCOMPARE(Cell(1, 8)->CaretPosition(), 1);
        // Arriving selects the whole text.
        QTest::keyClick(Cell(1, 7), Qt::Key_Right);
        QCOMPARE(Cell(1, 8)->SelectionStart(), 0);
        QCOMPARE(Cell(1, 8)->SelectionEnd(), 1);
    }

    void tabRunsThroughTheCellsThenTheButtons()
    {
        QCOMPARE(QApplication::focusWidget(), Cell(0, 0));
        for (int i = 1; i < kCellCount; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Cell(i / 9, i % 9));
        }
        for (CBoardDlg::ButtonId id :
             {CBoardDlg::IdSolve, CBoardDlg::IdReset, CBoardDlg::IdClear, CBoardDlg::IdSet, CBoardDlg::IdPass,
              CBoardDlg::IdSave, CBoardDlg::IdLoad, CBoardDlg::IdCell, CBoardDlg::IdStart, CBoardDlg::IdHelp}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), board_->Button(id));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Cell(0, 0));
        QTest::keyClick(Cell(0, 0), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), board_->Button(CBoardDlg::IdHelp));
        QCOMPARE(Cell(0, 0)->Text(), QString());
    }

    void enterInACellDoesNothingAndOnAButtonPressesIt()
    {
        Load(kPuzzle);
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_Return);
        QTest::keyClick(Cell(0, 0), Qt::Key_Enter);
        QVERIFY(board_->isVisible());
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));
        QCOMPARE(Cell(0, 0)->Text(), QString());

        board_->Button(CBoardDlg::IdPass)->setFocus();
        QTest::keyClick(board_->Button(CBoardDlg::IdPass), Qt::Key_Return);
        QVERIFY(board_->isVisible());
        QVERIFY(board_->Board().Cell(0, 0).ShowsCandidates());
    }

    // Escape closes what is open over the board first, an explanation or a
    // message; then the window, at once when nothing is unsaved, and after
    // asking when the board holds digits that Save has not written.
    void escapeClosesWhatIsOpenFirstAndAsksBeforeUnsavedDigitsGo()
    {
        const auto reopen = [this] {
            board_->show();
            QVERIFY(QTest::qWaitForWindowActive(board_.get(), kWaitMs));
        };
        FocusCell(3, 3);
        QTest::keyClick(Cell(3, 3), Qt::Key_Escape);
        QVERIFY(!board_->isVisible());
        QCOMPARE(board_->result(), int(QDialog::Rejected));

        reopen();
        Load(kPuzzle);
        board_->OnPass();
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(board_->ExplanationTip()->isVisible());
        QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
        QVERIFY(!board_->ExplanationTip()->isVisible());
        QVERIFY(board_->isVisible());
        QApplication::clipboard()->setText(QStringLiteral("no puzzle"));
        board_->OnPastePuzzle();
        QVERIFY(board_->Notice()->isVisible());
        QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
        QVERIFY(!board_->Notice()->isVisible());
        QVERIFY(board_->isVisible());

        // Asked, the user goes back: nothing changes.
        const std::string values = ValuesOf(board_->Board());
        const auto answer = [this](QMessageBox::StandardButton button) {
            WhenModalOpens([this, button](QWidget* modal) {
                QVERIFY(AltKeysOfTheirOwn(modal));
                static_cast<QMessageBox*>(modal)->button(button)->click();
                board_->activateWindow();
            });
        };
        answer(QMessageBox::Cancel);
        QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
        QVERIFY(board_->isVisible());
        QCOMPARE(ValuesOf(board_->Board()), values);
        // Paste and New Puzzle ask the same first.
        QApplication::clipboard()->setText(QString::fromStdString(kSolution));
        for (const Qt::Key key : {Qt::Key_V, Qt::Key_2}) {
            answer(QMessageBox::Cancel);
            QTest::keyClick(Cell(0, 0), key, Qt::ControlModifier);
            QVERIFY(QTest::qWaitForWindowActive(board_.get(), kWaitMs));
            QCOMPARE(ValuesOf(board_->Board()), values);
            QVERIFY(!board_->findChild<CPuzzleJob*>()->Busy());
        }
        // Closing by the title bar or the window manager asks the same;
        // closing without saving leaves no file.
        answer(QMessageBox::Discard);
        board_->close();
        QVERIFY(!board_->isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("Zifrel.zfr")));
        // Saving writes the board, and closes; a new puzzle made while the
        // question is open waits, and goes with the window.
        reopen();
        answer(QMessageBox::Discard);
        QTest::keyClick(Cell(0, 0), Qt::Key_1, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(board_.get(), kWaitMs));
        WhenModalOpens([this](QWidget* modal) {
            QTRY_VERIFY_WITH_TIMEOUT(!board_->findChild<CPuzzleJob*>()->Busy(), kWaitMs);
            static_cast<QMessageBox*>(modal)->button(QMessageBox::Save)->click();
        });
        QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
        QVERIFY(!board_->isVisible());
        CBoard saved;
        QVERIFY(saved.OnLoad());
        QCOMPARE(ValuesOf(saved), values);
        // Another window's Save in the same folder makes the board unsaved.
        reopen();
        CBoardDlg other;
        other.Board().SetValue(0, 0, 9);
        other.OnSave();
        answer(QMessageBox::Cancel);
        QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
        QVERIFY(board_->isVisible());
        board_->OnSave();
        // What was saved, or loaded, closes at once; so does a board taken
        // back to it.
        reopen();
        QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
        QVERIFY(!board_->isVisible());
        reopen();
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_1);
        QVERIFY(board_->HasUnsavedChanges());
        QTest::keyClick(Cell(0, 0), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!board_->HasUnsavedChanges());
    }

    // Ctrl+Z with nothing left to undo, and Ctrl+Y with nothing to redo, do
    // nothing at all, wherever the focus is: the cell's own text undo never
    // takes over, and what can be redone stays.
    void undoAndRedoBeyondTheHistoryDoNothing()
    {
        FocusCell(0, 0);
        for (const Qt::Key digit : {Qt::Key_5, Qt::Key_6, Qt::Key_7})
            QTest::keyClick(Cell(0, 0), digit);
        QAction* undo = board_->MenuAction(CBoardDlg::Action::Undo);
        QAction* redo = board_->MenuAction(CBoardDlg::Action::Redo);
        for (int k = 0; k < 3; ++k)
            QTest::keyClick(Cell(0, 0), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 0);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Typing\tCtrl+Shift+Z"));
        for (QWidget* at : {static_cast<QWidget*>(Cell(0, 0)), static_cast<QWidget*>(Cell(4, 4)),
                            static_cast<QWidget*>(board_->Button(CBoardDlg::IdSolve))}) {
            at->setFocus();
            QTest::keyClick(at, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Cell(0, 0)->Text(), QString());
            QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 0);
        }
        for (int k = 0; k < 3; ++k)
            QTest::keyClick(Cell(0, 0), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 7);
        QVERIFY(!redo->isEnabled());
        QTest::keyClick(Cell(0, 0), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(Cell(0, 0), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(board_->Board().Cell(0, 0).GetValue(), 7);

        // At the history's limit of 1,000 changes the same holds.
        FocusCell(4, 4);
        for (int k = 0; k < 1003; ++k)
            QTest::keyClick(Cell(4, 4), static_cast<Qt::Key>(Qt::Key_1 + k % 9));
        const std::string last = ValuesOf(board_->Board());
        for (int k = 0; k < 1000; ++k)
            QTest::keyClick(Cell(4, 4), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!undo->isEnabled());
        const std::string oldest = ValuesOf(board_->Board());
        QTest::keyClick(Cell(4, 4), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ValuesOf(board_->Board()), oldest);
        for (int k = 0; k < 1000; ++k)
            QTest::keyClick(Cell(4, 4), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ValuesOf(board_->Board()), last);
    }

    // A Save or Load that fails says so by the board, naming the file and
    // why; the board stays as it was, the focus where it was, and the next
    // key does what it would have done.
    void aFailedSaveOrLoadIsToldByTheBoardAndTheNextKeyStillActs()
    {
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("Zifrel.zfr"));
        Load(kPuzzle);
        FocusCell(2, 2);
        QVERIFY(QDir().mkdir(QStringLiteral("Zifrel.zfr")));
        QTest::keyClick(Cell(2, 2), Qt::Key_V, Qt::AltModifier);
        QVERIFY(board_->Notice()->isVisible());
        QCOMPARE(board_->Notice()->text(), QStringLiteral("Not saved: %1 is a folder, not a file").arg(path));
        QCOMPARE(QAccessible::queryAccessibleInterface(board_->Notice())->role(), QAccessible::Notification);
        QCOMPARE(QAccessible::queryAccessibleInterface(board_->Notice())->text(QAccessible::Name),
                 board_->Notice()->text());
        QCOMPARE(QApplication::focusWidget(), Cell(2, 2));
        QVERIFY(board_->HasUnsavedChanges());
        QVERIFY(QDir().rmdir(QStringLiteral("Zifrel.zfr")));

        // Alt+L, Alt+S: the first fails and says so, the second solves.
        QTest::keyClick(Cell(2, 2), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(board_->Notice()->text(), QStringLiteral("No puzzle loaded: %1 does not exist").arg(path));
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));
        QTest::keyClick(Cell(2, 2), Qt::Key_S, Qt::AltModifier);
        QVERIFY2(board_->Notice()->text().startsWith(QStringLiteral("Solved in ")),
                 qPrintable(board_->Notice()->text()));
        QCOMPARE(ValuesOf(board_->Board()), kSolution);

        QFile file(QStringLiteral("Zifrel.zfr"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("123456789\r\n123456789\r\n12345678\r\n" + QByteArray("000000000\r\n").repeated(6));
        file.close();
        QTest::keyClick(Cell(2, 2), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(board_->Notice()->text(), QStringLiteral("No puzzle loaded: %1 line 3 has 8 cells, not 9").arg(path));
        QCOMPARE(ValuesOf(board_->Board()), kSolution);
        // The next key acts and the message goes.
        QTest::keyClick(Cell(2, 2), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), Cell(2, 3));
        QVERIFY(!board_->Notice()->isVisible());
    }

    // A cell is editable text named by its place, whose text is its digit
    // and whose value and description say what it holds; commands are told
    // in a sentence.
    void screenReadersHearEachCellAndButton()
    {
        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(2, 6));
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Row 3, column 7"));
        QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("empty"));
        QCOMPARE(cell->role(), QAccessible::EditableText);
        QVERIFY(cell->state().editable);
        QVERIFY(!cell->state().readOnly);
        QAccessibleTextInterface* text = cell->textInterface();
        QVERIFY(text);
        QVERIFY(cell->editableTextInterface());
        QCOMPARE(text->characterCount(), 0);

        board_->Board().Cell(2, 6).SetValue(4);
        Redraw(2, 6);
        QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("4"));
        QCOMPARE(text->text(0, -1), QStringLiteral("4"));
        QCOMPARE(text->characterCount(), 1);
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("4 is given"));
        board_->Board().Cell(2, 6).SetValue(0);
        board_->Board().Cell(2, 6).RuleOut(DigitBit(3) | DigitBit(4) | DigitBit(6) | DigitBit(7) | DigitBit(8));
        Redraw(2, 6);
        QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("empty, still possible 1, 2, 5 and 9"));
        QCOMPARE(text->text(0, -1), QString());
        QVERIFY(cell->text(QAccessible::Description).startsWith(QStringLiteral("empty, still possible 1, 2, 5 and 9")));
        board_->Board().Cell(2, 6).RuleOut(kAllDigits & ~DigitBit(5));
        Redraw(2, 6);
        QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("empty, still possible 5"));
        board_->Board().Cell(2, 6).RuleOut(kAllDigits);
        Redraw(2, 6);
        QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("empty, no digit possible"));

        FocusCell(2, 6);
        QTest::keyClick(Cell(2, 6), Qt::Key_8);
        QCOMPARE(cell->text(QAccessible::Value), QStringLiteral("8"));
        QCOMPARE(text->text(0, -1), QStringLiteral("8"));
        // Only the focused cell has its digit selected.
        QCOMPARE(text->selectionCount(), 1);
        QTest::keyClick(Cell(2, 6), Qt::Key_Right);
        QCOMPARE(text->selectionCount(), 0);
        QCOMPARE(text->text(0, -1), QStringLiteral("8"));
        QTest::keyClick(Cell(2, 7), Qt::Key_Left);
        // Text written through the interface goes in as typed.
        cell->editableTextInterface()->replaceText(0, 1, QStringLiteral("6"));
        QCOMPARE(board_->Board().Cell(2, 6).GetValue(), 6);
        QCOMPARE(board_->History().UndoName(), std::string("Typing"));
        // Whatever typing leaves in the cell is what a screen reader hears.
        const QString pasted = QStringLiteral("hello, this is not a puzzle 12345");
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(Cell(2, 6), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Cell(2, 6), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(2, 6)->Text(), pasted);
        QCOMPARE(text->text(0, -1), pasted);
        QCOMPARE(cell->text(QAccessible::Value), pasted);
        QVERIFY(cell->text(QAccessible::Description).startsWith(pasted));

        QAccessibleInterface* clear = QAccessible::queryAccessibleInterface(board_->Button(CBoardDlg::IdClear));
        QCOMPARE(clear->text(QAccessible::Name), QStringLiteral("Clear"));
        QCOMPARE(QAccessible::queryAccessibleInterface(board_->Button(CBoardDlg::IdSave))->text(QAccessible::Name),
                 QStringLiteral("Save"));
    }

    // Each command is told to screen readers in one sentence, and the focus
    // stays where it was.
    void eachCommandIsAnnounced()
    {
        Load(kPuzzle);
        FocusCell(4, 4);
        const auto said = [this] { return board_->Announcer()->Said(); };
        QTest::keyClick(Cell(4, 4), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(said(), QStringLiteral("Cell: row 1, column 1: 1, 4, 7 and 8 ruled out"));
        QTest::keyClick(Cell(4, 4), Qt::Key_P, Qt::AltModifier);
        QVERIFY2(said().startsWith(QStringLiteral("Pass: ")), qPrintable(said()));
        QTest::keyClick(Cell(4, 4), Qt::Key_S, Qt::AltModifier);
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^Solve: \\d+ sweeps, \\d+ cells filled, 0 open\\. Solved in \\d+ seconds?\\.$"))
                     .match(said())
                     .hasMatch(),
                 qPrintable(said()));
        const QString solved = said().section(QStringLiteral(". "), 1);
        QTest::keyClick(Cell(4, 4), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(said(), QStringLiteral("Undo Solve"));
        // Solved again, the puzzle took as long as the first time.
        QTest::qWait(1100);
        QTest::keyClick(Cell(4, 4), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(said(), QStringLiteral("Redo Solve. ") + solved);
        QTest::keyClick(Cell(4, 4), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(said(), QStringLiteral("Copy Puzzle: the board is on the clipboard"));
        QTest::keyClick(Cell(4, 4), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(said(), QStringLiteral("Saved Zifrel.zfr"));
        QTest::keyClick(Cell(4, 4), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(said(), QStringLiteral("Clear: the board is empty"));
        QTest::keyClick(Cell(4, 4), Qt::Key_L, Qt::AltModifier);
        QVERIFY2(said().startsWith(QStringLiteral("Loaded Zifrel.zfr: ")), qPrintable(said()));
        QCOMPARE(QApplication::focusWidget(), Cell(4, 4));
    }

    // Ctrl+1 to Ctrl+4 make a new puzzle of that level, minimal and with one
    // solution, which arrives as a paste and as Set captures it: Reset
    // brings it back, and one Undo takes it away.
    void aNewPuzzleOfEachLevelArrivesAsPasteAndSetWouldLeaveIt()
    {
        Load(kPuzzle);
        const std::string before = ValuesOf(board_->Board());
        const Level levels[] = {Level::Singles, Level::BoxAndLine, Level::Pairs, Level::BeyondTheRules};
        for (int k = 0; k < 4; ++k) {
            FocusCell(4, 4);
            const std::size_t steps = board_->History().Size();
            board_->OnSave();
            QTest::keyClick(Cell(4, 4), static_cast<Qt::Key>(Qt::Key_1 + k), Qt::ControlModifier);
            QTRY_VERIFY(board_->History().Size() == steps + 1);
            QCOMPARE(board_->History().UndoName(), std::string("New Puzzle"));
            const Values made = board_->Board().WorkingValues();
            QCOMPARE(CountSolutions(made).count, 1);
            QCOMPARE(Grade(made), levels[k]);
            QVERIFY2(board_->Announcer()->Said().startsWith(QStringLiteral("New puzzle, level %1").arg(k + 1)),
                     qPrintable(board_->Announcer()->Said()));
            board_->OnClear();
            board_->OnReset();
            QVERIFY(board_->Board().WorkingValues() == made);
        }
        for (int k = 0; k < 12; ++k)
            board_->OnUndo();
        QCOMPARE(ValuesOf(board_->Board()), before);
    }

    // Check Puzzle says in one sentence how many solutions the board's digits
    // have and how far Zifrel's rules get, by the keyboard and to screen
    // readers, and changes nothing.
    void checkPuzzleTellsSolutionsAndLevel()
    {
        const std::string expert = LoadPuzzleSetLine("expert");
        std::string twice = kPuzzle;
        twice[1] = '4'; // beside the 4 of r1c5
        const std::pair<std::string, QString> boards[] = {
            {std::string(81, '.'),
             QStringLiteral("^Check Puzzle: the digits on the board have more than one solution$")},
            {twice, QStringLiteral("^Check Puzzle: the digits on the board have no solution$")},
            {kPuzzle,
             QStringLiteral("^Check Puzzle: exactly one solution, and Zifrel's rules finish it: level [123], ")},
            {expert, QStringLiteral("^Check Puzzle: exactly one solution, beyond Zifrel's rules \\(level 4\\)")},
            {kSolution, QStringLiteral("^Check Puzzle: the board is full and right$")},
        };
        for (const auto& [puzzle, sentence] : boards) {
            Load(puzzle);
            const std::string values = ValuesOf(board_->Board());
            FocusCell(0, 0);
            QTest::keyClick(Cell(0, 0), Qt::Key_K, Qt::ControlModifier);
            QTRY_VERIFY2_WITH_TIMEOUT(QRegularExpression(sentence).match(board_->Notice()->text()).hasMatch(),
                                      qPrintable(board_->Notice()->text()), kWaitMs);
            QCOMPARE(ValuesOf(board_->Board()), values);
            QTest::keyClick(Cell(0, 0), Qt::Key_Escape);
            QVERIFY(!board_->Notice()->isVisible());
            QVERIFY(board_->isVisible());
        }
        // With the person's entries, one right and one wrong: how many differ
        // from the givens' solution, seen and heard; pressed again, the
        // wrong one outlined.
        Load(kPuzzle);
        for (const auto& [cell, digit] :
             {std::pair{1, kSolution[1]}, std::pair{2, kSolution[2] == '9' ? '1' : char(kSolution[2] + 1)}}) {
            FocusCell(0, cell);
            QTest::keyClick(Cell(0, cell), static_cast<Qt::Key>(Qt::Key_0 + (digit - '0')));
        }
        QTest::keyClick(Cell(0, 2), Qt::Key_K, Qt::ControlModifier);
        QTRY_VERIFY2_WITH_TIMEOUT(
            board_->Notice()->text().endsWith(QStringLiteral(
                ". 1 of your 2 entries differs from the puzzle's solution: Check Puzzle again (Ctrl+K) outlines it")),
            qPrintable(board_->Notice()->text()), kWaitMs);
        // A count that ends at once is told by what it found alone, not by
        // "counting" too, even a moment later.
        QTest::qWait(600);
        QCOMPARE(board_->Announcer()->Said(), board_->Notice()->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(board_->Notice())->text(QAccessible::Name),
                 board_->Notice()->text());
        QTest::keyClick(Cell(0, 2), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(board_->ExplanationTip()->Text(),
                 QStringLiteral("Your %1 in row 1, column 3 differs from the puzzle's solution")
                     .arg(board_->Board().Cell(0, 2).GetValue()));
        QVERIFY(Cell(0, 2)->CitedBy() == QStringLiteral("A") && !Cell(0, 1)->IsCited());
        QCOMPARE(board_->Announcer()->Said(),
                 board_->ExplanationTip()->Title() + QLatin1Char('\n') + board_->ExplanationTip()->Text());
        // A long count goes on beside the window, which says so; the next
        // command ends it, and so does closing.
        for (const bool closing : {false, true}) {
            Load(".3...6....59.......6...9....45........3........6..3..4...3.5..6..................");
            board_->OnSave();
            QTest::keyClick(Cell(0, 0), Qt::Key_K, Qt::ControlModifier);
            QCOMPARE(board_->Notice()->text(),
                     QStringLiteral("Check Puzzle: counting the solutions of the digits on the board…"));
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
            closing ? static_cast<void>(board_->close()) : QTest::keyClick(Cell(0, 0), Qt::Key_P, Qt::AltModifier);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            QVERIFY(!board_->findChild<CCheckJob*>()->Busy());
        }
    }

    // Ctrl+Plus, Ctrl+Minus and Ctrl+0 scale the whole window in
    // proportion, keep it centred, and stop where the screen ends.
    void theBoardGrowsAndShrinksInProportionWithinTheScreen()
    {
        Load(kPuzzle);
        board_->OnPass();
        FocusCell(4, 4);
        const auto layout = [this] {
            const QPoint origin = board_->BoardRect().topLeft();
            std::vector<QRect> rects{QRect(QPoint(), board_->BoardRect().size())};
            for (int i = 0; i < kCellCount; ++i)
                rects.push_back(Cell(i / 9, i % 9)->geometry().translated(-origin));
            for (const auto id : {CBoardDlg::IdSolve, CBoardDlg::IdClear, CBoardDlg::IdCell, CBoardDlg::IdHelp})
                rects.push_back(board_->Button(id)->geometry().translated(-origin));
            return rects;
        };
        const std::vector<QRect> normal = layout();
        const QRect screen = board_->screen()->availableGeometry();
        const auto inProportion = [&](double scale) {
            const std::vector<QRect> now = layout();
            for (std::size_t k = 0; k < now.size(); ++k) {
                const QRectF expected(QPointF(normal[k].topLeft()) * scale, QSizeF(normal[k].size()) * scale);
                // Within the pixel that each edge rounds to, twice over.
                if (std::abs(now[k].x() - expected.x()) > scale + 1 || std::abs(now[k].y() - expected.y()) > scale + 1
                    || std::abs(now[k].width() - expected.width()) > scale + 1
                    || std::abs(now[k].height() - expected.height()) > scale + 1)
                    return false;
            }
            return true;
        };
        std::vector<double> seen{1.0};
        for (int press = 0; press < 12; ++press) {
            QTest::keyClick(Cell(4, 4), Qt::Key_Plus, Qt::ControlModifier);
            if (board_->Scale() == seen.back())
                break;
            seen.push_back(board_->Scale());
            QVERIFY2(inProportion(board_->Scale()), qPrintable(QString::number(board_->Scale())));
            QCOMPARE(board_->ValueFont().pointSizeF(), 12 * board_->Scale());
            QTRY_VERIFY(screen.contains(board_->frameGeometry()));
            QTRY_VERIFY(std::abs(board_->frameGeometry().center().x() - screen.center().x()) <= 1);
            QCOMPARE(board_->Announcer()->Said(), QStringLiteral("Size %1%").arg(qRound(board_->Scale() * 100)));
            for (int i = 0; i < kCellCount; ++i)
                QVERIFY(TextFits(Cell(i / 9, i % 9)));
        }
        // This screen holds 150%: the next step is refused, with a word why.
        QCOMPARE(seen, (std::vector<double>{1.0, 1.25, 1.5}));
        // Explanations and messages grow with it.
        QCOMPARE(board_->Notice()->font().pointSizeF(), QToolTip::font().pointSizeF() * 1.5);
        QCOMPARE(board_->ExplanationTip()->font().pointSizeF(), QToolTip::font().pointSizeF() * 1.5);
        QVERIFY(board_->Notice()->isVisible());
        QCOMPARE(board_->Notice()->text(), QStringLiteral("The board is as large as the screen allows (150%)"));
        // The hint's outline grows with the board: 3 pixels wide at 100%.
        board_->OnHint();
        const QImage outlined = Cell(board_->HintedCell() / 9, board_->HintedCell() % 9)->grab().toImage();
        QCOMPARE(outlined.pixelColor(qRound(4 * outlined.devicePixelRatio()), outlined.height() / 2).rgb(),
                 HintColour(board_->palette()).rgb());
        QTest::keyClick(Cell(4, 4), Qt::Key_Escape);
        QTest::keyClick(Cell(4, 4), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(board_->Scale(), 1.25);
        QTest::keyClick(Cell(4, 4), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(board_->Scale(), 1.5);
        QTest::keyClick(Cell(4, 4), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(board_->Scale(), 1.0);
        QVERIFY(layout() == normal);
        QCOMPARE(board_->Board().Cell(4, 4).GetValue(), 0);
        QCOMPARE(QApplication::focusWidget(), Cell(4, 4));
    }

    // Digits the deduction found are drawn in their own colour and
    // underlined; given ones as text always was. Both are legible, on a
    // light and on a dark palette.
    void foundDigitsStandApartFromGivenOnes()
    {
        Load(kPuzzle);
        QTest::keyClick(board_.get(), Qt::Key_S, Qt::AltModifier);
        for (int i = 0; i < kCellCount; ++i)
            QCOMPARE(Cell(i / 9, i % 9)->IsFound(), kPuzzle[static_cast<std::size_t>(i)] == '.');
        QTest::keyClick(board_.get(), Qt::Key_Z, Qt::ControlModifier);
        for (int i = 0; i < kCellCount; ++i)
            QVERIFY(!Cell(i / 9, i % 9)->IsFound());
        QTest::keyClick(board_.get(), Qt::Key_Y, Qt::ControlModifier);

        // The lowest row of ink: a given 4 ends in its stem, a found one in
        // an underline as wide as the digit.
        const auto lowestInk = [](CCellEdit* cell) {
            const QImage image = cell->grab().toImage();
            const QColor base = cell->palette().color(QPalette::Base);
            for (int y = image.height() - 3; y > 2; --y) {
                int longest = 0;
                int run = 0;
                for (int x = 2; x < image.width() - 2; ++x) {
                    run = ContrastRatio(image.pixelColor(x, y), base) > 2 ? run + 1 : 0;
                    longest = std::max(longest, run);
                }
                if (longest > 0)
                    return longest;
            }
            return 0;
        };
        const int found = 0 * 9 + 0; // r1c1 holds a found 6
        const int given = 0 * 9 + 4; // r1c5 holds the given 4
        board_->Board().Cell(0, 0).Place(4, Fill::Single);
        board_->Board().UpdateDisplay();
        // No cell has the focus, so none shows a selection.
        board_->Button(CBoardDlg::IdSolve)->setFocus();
        const int advance = QFontMetrics(board_->ValueFont()).horizontalAdvance(QLatin1Char('4'));
        QVERIFY2(lowestInk(Cell(found / 9, found % 9)) >= advance - 2,
                 qPrintable(QString::number(lowestInk(Cell(0, 0)))));
        QVERIFY(lowestInk(Cell(given / 9, given % 9)) < advance / 2);

        QPalette dark;
        dark.setColor(QPalette::Base, QColor(25, 25, 25));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Link, QColor(42, 130, 218));
        for (const QPalette& palette : {QApplication::style()->standardPalette(), dark}) {
            const QColor colour = FoundDigitColour(palette);
            QVERIFY(ContrastRatio(colour, palette.color(QPalette::Base)) >= 4.5);
            QVERIFY(colour != palette.color(QPalette::Text));
        }
    }

    // Key presses sent back to back, with no wait between them, each run
    // their command at once: none is merged with the next or delayed.
    void everyKeyPressOnAButtonRunsItsCommandAtOnce()
    {
        Load(kPuzzle);
        CBoard expected;
        expected.LoadValues(*ParsePuzzleLine(kPuzzle));
        expected.DoPass();
        expected.DoPass();
        QTest::keyClick(board_.get(), Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(board_.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(ValuesOf(board_->Board()), ValuesOf(expected));

        const auto cursor = [this] { return board_->Board().CursorRow() * 9 + board_->Board().CursorColumn(); };
        QTest::keyClick(board_.get(), Qt::Key_A, Qt::AltModifier);
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(board_.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(cursor(), 39);

        // Holding the key down: the first press, then auto-repeats.
        for (int i = 0; i < 10; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::AltModifier, QStringLiteral("c"), i > 0);
            QApplication::sendEvent(board_.get(), &press);
        }
        QCOMPARE(cursor(), 49);

        // Space and Enter on the focused button, Space held down too.
        QPushButton* cell = board_->Button(CBoardDlg::IdCell);
        cell->setFocus();
        for (int i = 0; i < 5; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), i > 0);
            QApplication::sendEvent(cell, &press);
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(cell, &release);
        QCOMPARE(cursor(), 54);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(cell, Qt::Key_Return);
        QCOMPARE(cursor(), 57);
    }

    void enterPressesTheFocusedButtonInHelpAndTheFocusFrameShows()
    {
        bool sawAbout = false;
        bool focusShown = false;
        WhenModalOpens([&](QWidget* help) {
            auto* about = static_cast<CHelpDlg*>(help)->AboutButton();
            QStyleOptionButton option;
            option.initFrom(about);
            focusShown = about->hasFocus() && (option.state & QStyle::State_KeyboardFocusChange);
            WhenModalOpens([&](QWidget* window) {
                sawAbout = qobject_cast<CAboutDlg*>(window) != nullptr;
                QTest::keyClick(window, Qt::Key_Return);
                WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
            });
            QTest::keyClick(about, Qt::Key_Return);
        });
        board_->OnHelp();
        QVERIFY(focusShown);
        QVERIFY(sawAbout);
    }

    void theAboutIconIsShownWhole()
    {
        CAboutDlg about;
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (label->pixmap().isNull())
                continue;
            const QSize icon = label->pixmap().deviceIndependentSize().toSize();
            QVERIFY2(label->width() >= icon.width() && label->height() >= icon.height(),
                     qPrintable(QStringLiteral("box %1x%2, icon %3x%4")
                                    .arg(label->width())
                                    .arg(label->height())
                                    .arg(icon.width())
                                    .arg(icon.height())));
        }
    }

    // Alt+Space is the window manager's on most desktops; the Menu key and
    // Shift+F10 open the window's own menu anywhere in it.
    void theMenuKeyAndShiftF10OpenTheWindowMenu()
    {
        QSignalSpy shown(board_->WindowMenu(), &QMenu::aboutToShow);
        int expected = 0;
        for (QWidget* focus :
             {static_cast<QWidget*>(Cell(3, 4)), static_cast<QWidget*>(board_->Button(CBoardDlg::IdPass))}) {
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Menu);
            ++expected;
            QTRY_COMPARE(shown.count(), expected);
            board_->WindowMenu()->close();
            QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
            ++expected;
            QTRY_COMPARE(shown.count(), expected);
            board_->WindowMenu()->close();
            // What the window system sends for the Menu key: a context menu
            // request from the keyboard, to the focused cell.
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), focus->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(focus, &request);
            ++expected;
            QTRY_COMPARE(shown.count(), expected);
            board_->WindowMenu()->close();
        }
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    // The menu bar: its menus open by F10 and by Alt keys that no button
    // has; every item, and every item of the window menu, carries its key
    // in the name a screen reader reads; each key of the menus acts.
    void theMenuBarOpensByKeyAndEachItemActsAndNamesItsKey()
    {
        CBoardMenuBar* bar = board_->MenuBar();
        QStringList titles;
        for (const QAction* menu : bar->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"&Game", "E&dit", "V&iew", "Help"}));
        QMenu* game = bar->actions()[0]->menu();
        for (const QAction* menu : bar->actions())
            for (const auto& button :
                 {"Cl&ear", "&Reset", "Se&t", "&Pass", "&Solve", "&Help", "&Load", "Sa&ve", "St&art", "&Cell"})
                QVERIFY(QKeySequence::mnemonic(menu->text()).isEmpty()
                        || QKeySequence::mnemonic(menu->text()) != QKeySequence::mnemonic(button));
        std::function<void(QMenu*)> named = [&](QMenu* menu) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
            QVERIFY(!face->text(QAccessible::Name).isEmpty());
            QVERIFY2(!face->text(QAccessible::Name).contains(QLatin1Char('&')),
                     qPrintable(face->text(QAccessible::Name)));
            for (int k = 0; k < face->childCount(); ++k) {
                const QAction* item = menu->actions()[k];
                if (item->menu())
                    named(item->menu());
                if (!item->shortcut().isEmpty())
                    QVERIFY2(face->child(k)
                                 ->text(QAccessible::Name)
                                 .endsWith(QLatin1Char('\t') + item->shortcut().toString(QKeySequence::NativeText)),
                             qPrintable(face->child(k)->text(QAccessible::Name)));
            }
        };
        for (const QAction* menu : bar->actions())
            named(menu->menu());
        named(board_->WindowMenu());
        QCOMPARE(QAccessible::queryAccessibleInterface(board_->WindowMenu())->text(QAccessible::Name),
                 QStringLiteral("Window menu"));

        FocusCell(4, 4);
        QTest::keyClick(Cell(4, 4), Qt::Key_F10);
        QTRY_VERIFY(game->isVisible());
        QCOMPARE(game->activeAction(), game->actions().constFirst());
        game->close();
        for (const auto& [key, index] : {std::pair{Qt::Key_D, 1}, std::pair{Qt::Key_I, 2}, std::pair{Qt::Key_G, 0}}) {
            QTest::keyClick(board_.get(), key, Qt::AltModifier);
            QTRY_VERIFY(bar->actions()[index]->menu()->isVisible());
            bar->actions()[index]->menu()->close();
        }
        // Each key of the menu bar's own items, and the window it opens.
        const auto opens = [this](const QKeySequence& key, const std::function<bool(QWidget*)>& is) {
            bool seen = false;
            WhenModalOpens([&](QWidget* window) {
                seen = is(window);
                QTest::keyClick(window, Qt::Key_Escape);
            });
            QTest::keySequence(board_.get(), key);
            QTRY_VERIFY2(seen, qPrintable(key.toString()));
            QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
            // Keys reach only the active window.
            board_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(board_.get()));
        };
        opens(QKeySequence(Qt::Key_F1), [](QWidget* w) { return qobject_cast<CHelpDlg*>(w) != nullptr; });
        opens(QKeySequence(Qt::CTRL | Qt::Key_Question),
              [](QWidget* w) { return qobject_cast<CKeysDlg*>(w) != nullptr; });
        opens(QKeySequence(Qt::CTRL | Qt::Key_P), [](QWidget* w) {
            return qobject_cast<QPrintDialog*>(w) && w->findChild<QCheckBox*>(QStringLiteral("marks"));
        });
        QTest::keyClick(board_.get(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(bar->ItemAction(CBoardMenuBar::Item::NewPuzzle)->text(),
                 QStringLiteral("&New Puzzle, Level 3\tCtrl+N"));
        opens(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [](QWidget* w) {
            const auto* level = w->findChild<QComboBox*>(QStringLiteral("level"));
            return level && level->currentIndex() == 2;
        });
        // The level 3 puzzle saved, so that the next asks no question.
        QTRY_VERIFY(!board_->findChild<CPuzzleJob*>()->Busy());
        board_->OnSave();
        QTest::keyClick(board_.get(), Qt::Key_1, Qt::ControlModifier);
        Load(std::string(81, '.'));
        QTest::keyClick(board_.get(), Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(ValuesOf(board_->Board()) != std::string(81, '0'));
        QCOMPARE(Grade(board_->Board().WorkingValues()), Level::Singles);
        // Ctrl+Q asks about the unsaved puzzle first; Escape stays.
        opens(QKeySequence(Qt::CTRL | Qt::Key_Q), [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; });
        QVERIFY(board_->isVisible());
        board_->OnSave();
        QTest::keyClick(board_.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!board_->isVisible());
    }

    // Escape from a menu opened by its Alt key brings the focus back to the
    // cell, as after F10, not to a menu title that shows no focus.
    void escapeFromAMenuReturnsToTheBoard()
    {
        FocusCell(4, 4);
        QMenu* edit = board_->MenuBar()->actions()[1]->menu();
        QTest::keyClick(board_.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(edit->isVisible());
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_COMPARE(board_->focusWidget(), Cell(4, 4));
    }

    // The Keys window lists every key the window's commands have, and the
    // keys Help names are among them.
    void theKeysWindowListsEveryKey()
    {
        CKeysDlg keys;
        QStringList listed;
        for (int row = 0; row < keys.Table()->rowCount(); ++row)
            listed << keys.Table()->item(row, 0)->text().split(QStringLiteral(", "));
        QList<QAction*> actions = board_->actions();
        for (const QAction* menu : board_->MenuBar()->actions())
            actions << menu->menu()->actions();
        for (const QAction* action : actions)
            for (const QKeySequence& key : action->shortcuts())
                QVERIFY2(listed.contains(key.toString(QKeySequence::NativeText))
                             || action->shortcuts().indexOf(key) > 0,
                         qPrintable(key.toString()));
        for (const char* key : {"F10", "Shift+F10", "Shift+F1", "F1", "Escape", "Alt+S", "Alt+H", "Alt+G"})
            QVERIFY2(listed.contains(QLatin1String(key)), key);
        CHelpDlg help;
        const QRegularExpression named(QStringLiteral("\\b(?:Ctrl\\+(?:Shift\\+)?[A-Z0-9?]|Shift\\+F1|F1)\\b"));
        for (const QLabel* label : help.findChildren<QLabel*>())
            for (const auto& match : named.globalMatch(label->text()))
                QVERIFY2(listed.join(QLatin1Char(' ')).contains(match.captured()), qPrintable(match.captured()));
    }

    // Print paints the board as shown: givens upright and bold, found
    // digits slanted, in reading order on the page.
    void printTellsGivensFromFoundDigits()
    {
        Load(kPuzzle);
        board_->OnSolve();
        const Grid& grid = board_->Board().Working();
        QCOMPARE(LookOf(grid[0]), PrintedLook::Found);
        QCOMPARE(LookOf(grid[4]), PrintedLook::Given);
        const QString pdf = folder_->filePath(QStringLiteral("board.pdf"));
        {
            QPdfWriter writer(pdf);
            QVERIFY(PrintBoard(writer, grid, true));
        }
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        QString digits = QString::fromUtf8(text.readAllStandardOutput());
        digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
        QCOMPARE(digits.toStdString(), kSolution);
    }

    void helpTextsKeepTheMarginsAndNeverOverlap()
    {
        CHelpDlg help;
        CAboutDlg about;
        for (CDialogTemplate* window : {static_cast<CDialogTemplate*>(&help), static_cast<CDialogTemplate*>(&about)}) {
            const CDialogUnits units(window->font());
            const QRect inside = window->rect().adjusted(units.X(7), units.Y(7), -units.X(7), -units.Y(7));
            QList<QWidget*> boxes;
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                boxes << child;
            for (int i = 0; i < boxes.size(); ++i) {
                QVERIFY2(inside.contains(boxes[i]->geometry()), qPrintable(window->windowTitle()));
                for (int j = i + 1; j < boxes.size(); ++j)
                    QVERIFY2(!boxes[i]->geometry().intersects(boxes[j]->geometry()),
                             qPrintable(window->windowTitle() + QStringLiteral(": boxes %1 and %2").arg(i).arg(j)));
            }
        }
    }

    void pastePuzzleTakesThePastedFormsAndNothingElse()
    {
        const QString line = QString::fromStdString(kPuzzle);
        QString forum;
        for (int row = 0; row < 9; ++row) {
            if (row == 3 || row == 6)
                forum += QStringLiteral("------+-------+------\n");
            for (int c = 0; c < 9; ++c)
                forum += (c == 0           ? QString()
                              : c % 3 == 0 ? QStringLiteral(" | ")
                                           : QStringLiteral(" "))
                    + line[row * 9 + c];
            forum += QLatin1Char('\n');
        }
        board_->Board().Cell(8, 8).SetValue(3);
        board_->OnSet();
        board_->OnCellStep();
        for (const QString& text :
             {line, QString(line).replace(QLatin1Char('.'), QLatin1Char('0')) + QStringLiteral("\r\n"), forum}) {
            board_->OnClear();
            QApplication::clipboard()->setText(text);
            QTest::keyClick(Cell(4, 4), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));
            QCOMPARE(board_->History().UndoName(), std::string("Paste"));
        }
        // Load's way: the snapshot and the cursor stay.
        QCOMPARE(board_->Board().CursorColumn(), 0);
        board_->OnReset();
        QCOMPARE(board_->Board().Cell(8, 8).GetValue(), 3);
        // What is no puzzle is refused, and the board says why.
        const std::pair<QString, QString> refused[] = {
            {QStringLiteral("hello"),
             QStringLiteral("Not pasted: the clipboard's text is not a puzzle: 'h' is not a cell")},
            {line.left(80), QStringLiteral("Not pasted: the clipboard's text is not a puzzle: 80 cells, not 81")},
            {QString(), QStringLiteral("Not pasted: the clipboard holds no text")},
        };
        for (const auto& [text, message] : refused) {
            QApplication::clipboard()->setText(text);
            QVERIFY(board_->MenuAction(CBoardDlg::Action::PastePuzzle)->isEnabled());
            board_->OnClear();
            QTest::keyClick(Cell(4, 4), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(ValuesOf(board_->Board()), std::string(81, '0'));
            QVERIFY(board_->Notice()->isVisible());
            QCOMPARE(board_->Notice()->text(), message);
        }
    }

    // Ctrl+V in a cell pastes a whole puzzle into the board, as Paste
    // Puzzle does, and any other text into the cell.
    void ctrlVInACellPastesAWholePuzzleIntoTheBoard()
    {
        FocusCell(4, 4);
        QApplication::clipboard()->setText(QString::fromStdString(kPuzzle));
        QTest::keyClick(Cell(4, 4), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ValuesOf(board_->Board()), Zeroed(kPuzzle));
        QCOMPARE(board_->History().UndoName(), std::string("Paste"));
        QCOMPARE(Cell(4, 4)->Text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("8"));
        FocusCell(4, 4);
        QTest::keyClick(Cell(4, 4), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(4, 4)->Text(), QStringLiteral("8"));
        QCOMPARE(board_->Board().Cell(4, 4).GetValue(), 8);
        // A copied line brings its line end along: it is dropped, so that
        // the digit the cell shows is the one the board holds, over a
        // digit and in an empty cell alike.
        for (const QString& line : {QStringLiteral("7\n"), QStringLiteral("7\r\n")}) {
            for (const Qt::Key held : {Qt::Key_5, Qt::Key_0}) {
                QTest::keyClick(Cell(4, 4), held);
                QApplication::clipboard()->setText(line);
                QTest::keyClick(Cell(4, 4), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(Cell(4, 4), Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(Cell(4, 4)->Text(), QStringLiteral("7"));
                QCOMPARE(board_->Board().Cell(4, 4).GetValue(), 7);
            }
        }
    }

    void copyPuzzleThenPastePuzzleGivesTheBoardBack()
    {
        Load(kPuzzle);
        board_->OnPass();
        const std::string values = ValuesOf(board_->Board());
        QTest::keyClick(Cell(0, 0), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QString expected = QString::fromStdString(values).replace(QLatin1Char('0'), QLatin1Char('.'));
        QCOMPARE(QApplication::clipboard()->text(), expected);
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains(expected.left(9) + QLatin1Char('\n')));
        board_->OnClear();
        QTest::keyClick(Cell(0, 0), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ValuesOf(board_->Board()), values);
        // A cell's own Ctrl+C still copies its selected text.
        FocusCell(0, 4);
        QTest::keyClick(Cell(0, 4), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4"));
    }

    void droppingAPuzzleLoadsIt()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("puzzle.txt"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(kPuzzle + "\n"));
        out.close();
        QMimeData text;
        text.setText(QString::fromStdString(kPuzzle));
        QMimeData url;
        url.setUrls({QUrl::fromLocalFile(file)});
        QMimeData junk;
        junk.setText(QStringLiteral("no puzzle"));
        for (QMimeData* data : {&text, &url, &junk}) {
            board_->OnClear();
            const QPoint at = Cell(4, 4)->geometry().center();
            QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(board_.get(), &enter);
            QCOMPARE(enter.isAccepted(), data != &junk);
            QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(board_.get(), &drop);
            QCOMPARE(ValuesOf(board_->Board()), data == &junk ? std::string(81, '0') : Zeroed(kPuzzle));
        }
    }

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y step back and forth through every
    // command and typed digit, each step bringing back exactly what was.
    void undoAndRedoStepThroughCommandsAndTyping()
    {
        Load(kPuzzle);
        QAction* undo = board_->MenuAction(CBoardDlg::Action::Undo);
        QAction* redo = board_->MenuAction(CBoardDlg::Action::Redo);
        QVERIFY(!undo->isEnabled());
        std::vector<CBoardState> states{board_->Board().State()};
        std::vector<QString> texts;
        const auto shown = [this] {
            QStringList all;
            for (int i = 0; i < kCellCount; ++i)
                all << Cell(i / 9, i % 9)->Text();
            return all.join(QLatin1Char('|'));
        };
        std::vector<QString> screens{shown()};
        const auto step = [&](const std::function<void()>& command) {
            command();
            states.push_back(board_->Board().State());
            screens.push_back(shown());
        };
        step([this] { QTest::keyClick(board_.get(), Qt::Key_C, Qt::AltModifier); });
        step([this] { QTest::keyClick(board_.get(), Qt::Key_P, Qt::AltModifier); });
        step([this] {
            FocusCell(0, 0);
            QTest::keyClick(Cell(0, 0), Qt::Key_6);
        });
        step([this] { QTest::keyClick(board_.get(), Qt::Key_T, Qt::AltModifier); });
        step([this] { QTest::keyClick(board_.get(), Qt::Key_S, Qt::AltModifier); });
        step([this] { QTest::keyClick(board_.get(), Qt::Key_E, Qt::AltModifier); });
        step([this] { QTest::keyClick(board_.get(), Qt::Key_R, Qt::AltModifier); });
        step([this] {
            QApplication::clipboard()->setText(QString::fromStdString(kSolution));
            board_->OnSave();
            QTest::keyClick(board_.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        });
        step([this] {
            board_->OnSave();
            QTest::keyClick(board_.get(), Qt::Key_E, Qt::AltModifier);
        });
        step([this] { QTest::keyClick(board_.get(), Qt::Key_L, Qt::AltModifier); });
        QCOMPARE(undo->text(), QStringLiteral("&Undo Load\tCtrl+Z"));
        QCOMPARE(board_->History().Size(), std::size_t{10});

        // Back, with Ctrl+Z in a cell too: it is the board's undo there.
        FocusCell(2, 2);
        for (std::size_t k = states.size() - 1; k > 0; --k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(board_->Board().State() == states[k - 1]);
            QCOMPARE(shown(), screens[k - 1]);
        }
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo\tCtrl+Z"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo Cell\tCtrl+Shift+Z"));
        for (std::size_t k = 1; k < states.size(); ++k) {
            QTest::keyClick(board_.get(), k % 2 ? Qt::Key_Y : Qt::Key_Z,
                            k % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(board_->Board().State() == states[k]);
            QCOMPARE(shown(), screens[k]);
        }
        QVERIFY(!redo->isEnabled());
        // A command that changes nothing adds no step.
        QTest::keyClick(board_.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(board_->History().Size(), std::size_t{10});
    }

    // Resting the pointer on a cell, or Shift+F1 in it, explains it: a line
    // on what it holds or may hold, one per digit ruled out, the cells each
    // line cites outlined with that line's mark while it shows. (What the
    // sentences say is read against the board in explanation_test.)
    void aCellExplainsItselfAndOutlinesWhatItCites()
    {
        Load(kPuzzle);
        board_->OnPass();
        CExplanationTip* tip = board_->ExplanationTip();
        int marked = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& cell = board_->Board().Working()[static_cast<std::size_t>(i)];
            CCellEdit* control = Cell(i / 9, i % 9);
            QHelpEvent hover(QEvent::ToolTip, control->rect().center(), control->mapToGlobal(control->rect().center()));
            QApplication::sendEvent(control, &hover);
            if (cell.GetValue() == 0 && !cell.ShowsCandidates()) {
                QVERIFY(tip->isHidden());
                continue;
            }
            QVERIFY(tip->isVisible());
            const CExplanation explanation = Explain(board_->Board().Working(), i);
            QCOMPARE(tip->Title(), QStringLiteral("Row %1, column %2").arg(i / 9 + 1).arg(i % 9 + 1));
            QCOMPARE(tip->Text(), explanation.Text());
            // A filled cell keeps the reasons its digits went before it was filled.
            int ruledOut = 0;
            for (int d = 1; d <= 9; ++d)
                ruledOut += cell.Reason(d).rule != Rule::None;
            if (cell.GetValue() == 0)
                QCOMPARE(ruledOut, 9 - cell.CandidateCount());
            const int leftBehind = std::popcount(unsigned{LeftBehindMarks(board_->Board().Working(), i)});
            if (cell.HowFilled() != Fill::OnlyInBox)
                QCOMPARE(tip->Text().count(QLatin1Char('\n')) + 1, 1 + ruledOut + leftBehind);
            // Each line that cites cells has the next mark, shown in the tip
            // and on every cell it cites; no other cell is outlined.
            std::array<QString, kCellCount> marks;
            char16_t next = u'A';
            for (const CExplanation::CLine& line : explanation.lines) {
                QCOMPARE(line.mark.isNull(), line.cited.empty());
                if (line.mark.isNull())
                    continue;
                QCOMPARE(line.mark, QChar(next++));
                const QString shown = tip->Document().toPlainText();
                QVERIFY(shown.contains(QLatin1Char(' ') + line.mark + QStringLiteral(" \n") + line.text));
                for (int k : line.cited)
                    marks[static_cast<std::size_t>(k)] += line.mark;
            }
            for (int k = 0; k < kCellCount; ++k) {
                QCOMPARE(Cell(k / 9, k % 9)->CitedBy(), marks[static_cast<std::size_t>(k)]);
                marked += !marks[static_cast<std::size_t>(k)].isEmpty();
            }
            QCOMPARE(control->Explanation(), tip->Text());
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            // Screen readers hear in brief what the cell holds, an empty
            // cell's value or the line on its digit, and of the reasons only
            // the marks on their way out; the rest are asked for.
            const bool empty = board_->Board().Working()[static_cast<std::size_t>(i)].GetValue() == 0;
            const QStringList brief = spoken->text(QAccessible::Description).split(QLatin1Char('\n'));
            QCOMPARE(brief.front(), empty ? control->SpokenValue() : tip->Text().section(QLatin1Char('\n'), 0, 0));
            for (const QString& line : brief.mid(1))
                QVERIFY(line.endsWith(QStringLiteral("so the next Pass rules it out here"))
                        && tip->Text().contains(line));
            if (empty)
                QVERIFY(tip->Text().startsWith(QStringLiteral("Still possible: ")));
            QTest::keyClick(board_.get(), Qt::Key_Shift);
            QVERIFY(tip->isHidden());
            for (int k = 0; k < kCellCount; ++k)
                QVERIFY(!Cell(k / 9, k % 9)->IsCited());
        }
        QVERIFY(marked > 200);
        QCOMPARE(Cell(0, 4)->Explanation(), QStringLiteral("4 is given"));

        // From the keyboard, for the focused cell, placed as for the pointer.
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(tip->isVisible());
        QVERIFY(tip->Text().startsWith(QStringLiteral("Still possible: ")));
        QVERIFY(!tip->frameGeometry().intersects(QRect(Cell(0, 0)->mapToGlobal(QPoint()), Cell(0, 0)->size())));
        QTest::mouseClick(Cell(5, 5), Qt::LeftButton);
        QVERIFY(tip->isHidden());

        // A filled cell says how it was filled: one typed is the person's
        // entry, to a screen reader too.
        board_->OnSolve();
        QVERIFY(Cell(0, 0)->Explanation().startsWith(QStringLiteral("6 was found: ")));
        FocusCell(0, 0);
        QTest::keyClick(Cell(0, 0), Qt::Key_6);
        QCOMPARE(Cell(0, 0)->Explanation(), QStringLiteral("You entered 6"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Cell(0, 0))->text(QAccessible::Description),
                 QStringLiteral("You entered 6"));
        // Typed over with 0, a given no longer stands where cells cite it.
        QTest::keyClick(Cell(0, 0), Qt::Key_0);
        QVERIFY(Cell(0, 1)->Explanation().contains(QStringLiteral("No longer so: row 1, column 1 is empty now")));
        QVERIFY(Cell(0, 1)->Explanation().endsWith(QStringLiteral("then Pass (Set keeps the digits shown, wipes the "
                                                                  "pencil marks and makes this the board that Reset "
                                                                  "brings back)")));
    }

    // Wherever the window stands on the screen, after Pass, Solve and an
    // edit, every explanation covers neither its cell nor any cell it
    // cites, unless no place on the screen could, and stays on the screen.
    // Run on several screen sizes and at two scales (see CMakeLists.txt).
    void explanationsCoverNothingTheyCite()
    {
        const QRect screen = board_->screen()->availableGeometry();
        const QSize frame = board_->frameGeometry().size();
        const QPoint places[] = {
            screen.center() - QPoint(frame.width() / 2, frame.height() / 2),
            screen.topLeft(),
            {screen.right() - frame.width() + 1, screen.top()},
            {screen.left(), std::max(screen.top(), screen.bottom() - frame.height() + 1)},
        };
        CExplanationTip* tip = board_->ExplanationTip();
        int shown = 0;
        int crowded = 0;
        for (const QPoint& at : places) {
            board_->move(at);
            QTRY_COMPARE(board_->frameGeometry().topLeft(), at);
            Load(kPuzzle);
            for (int stage = 0; stage < 3; ++stage) {
                if (stage == 0)
                    board_->OnPass();
                else if (stage == 1)
                    board_->OnSolve();
                else
                    board_->Board().Cell(4, 4).SetValue(0); // a given typed over
                for (int i = 0; i < kCellCount; ++i) {
                    board_->OnExplain(i / 9, i % 9);
                    if (tip->isHidden())
                        continue;
                    ++shown;
                    const QRect place = tip->frameGeometry();
                    std::vector<QRect> keepClear{
                        QRect(Cell(i / 9, i % 9)->mapToGlobal(QPoint()), Cell(i / 9, i % 9)->size())};
                    for (int k = 0; k < kCellCount; ++k)
                        if (k != i && Cell(k / 9, k % 9)->IsCited())
                            keepClear.push_back(
                                QRect(Cell(k / 9, k % 9)->mapToGlobal(QPoint()), Cell(k / 9, k % 9)->size()));
                    const bool clear = std::none_of(keepClear.begin(), keepClear.end(),
                                                    [&](const QRect& r) { return r.intersects(place); });
                    if (!clear) {
                        // Only where no place at any width it is tried at
                        // keeps clear; then at least the cell itself shows.
                        const CClearRoom room(screen, keepClear, kClearance);
                        for (int width : TipWidths(screen, tip->Narrowest()))
                            QVERIFY2(
                                !room.Fits(tip->FramedSize(width)),
                                qPrintable(
                                    QStringLiteral("the explanation of cell %1 covers a cell it need not").arg(i)));
                        const QRect own = keepClear.front();
                        if (CClearRoom(screen, {own}, kClearance).Fits(place.size()))
                            QVERIFY2(!place.intersects(own),
                                     qPrintable(QStringLiteral("covers its own cell %1").arg(i)));
                        ++crowded;
                        tip->hide();
                        continue;
                    }
                    QVERIFY2(screen.contains(place),
                             qPrintable(QStringLiteral("off the screen: cell %1 at %2,%3 %4x%5")
                                            .arg(i)
                                            .arg(place.x())
                                            .arg(place.y())
                                            .arg(place.width())
                                            .arg(place.height())
                                        + QStringLiteral(" screen %1x%2 frame %3,%4 %5x%6")
                                              .arg(screen.width())
                                              .arg(screen.height())
                                              .arg(board_->frameGeometry().x())
                                              .arg(board_->frameGeometry().y())
                                              .arg(board_->frameGeometry().width())
                                              .arg(board_->frameGeometry().height())));
                    for (int k = 0; k < kCellCount; ++k) {
                        const CCellEdit* cell = Cell(k / 9, k % 9);
                        if (k == i || cell->IsCited())
                            QVERIFY2(
                                !place.intersects(QRect(cell->mapToGlobal(QPoint()), cell->size())),
                                qPrintable(QStringLiteral("the explanation of cell %1 covers cell %2").arg(i).arg(k)));
                    }
                    tip->hide();
                }
            }
        }
        QVERIFY(shown > 4 * 150);
        qInfo("%d of %d explanations had no place clear of what they cite", crowded, shown);
    }

    // Outlines and marks follow the palette and stand out against the
    // cells on a light, a dark and a palette whose highlight is the cells'
    // own colour; they are painted in exactly those colours.
    void outlinesAndMarksStandOutOnAnyPalette()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(25, 25, 25));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::black);
        QPalette flat;
        flat.setColor(QPalette::Base, QColor(40, 40, 40));
        flat.setColor(QPalette::Highlight, QColor(45, 45, 45));
        flat.setColor(QPalette::HighlightedText, QColor(50, 50, 50));
        Load(kPuzzle);
        board_->OnPass();
        for (const QPalette& palette : {board_->palette(), dark, flat}) {
            board_->setPalette(palette);
            board_->OnExplain(0, 0);
            QVERIFY(board_->ExplanationTip()->isVisible());
            const QColor outline = CitationColour(palette);
            const QColor letter = CitationMarkColour(palette);
            QVERIFY(ContrastRatio(outline, palette.color(QPalette::Base)) >= 3.0);
            QVERIFY(ContrastRatio(letter, outline) >= 4.5);
            int checked = 0;
            for (int k = 0; k < kCellCount; ++k) {
                CCellEdit* cell = Cell(k / 9, k % 9);
                if (!cell->IsCited())
                    continue;
                const QImage image = cell->grab().toImage();
                const qreal ratio = image.devicePixelRatio();
                const auto at = [&](int x, int y) { return image.pixelColor(qRound(x * ratio), qRound(y * ratio)); };
                QCOMPARE(at(1, cell->height() / 2).rgb(), outline.rgb());
                QCOMPARE(at(cell->width() / 2, cell->height() - 2).rgb(), outline.rgb());
                for (const CMarkPlace& mark : cell->MarkPlaces()) {
                    QVERIFY(cell->rect().adjusted(2, 2, -2, -2).contains(mark.rect));
                    QCOMPARE(at(mark.rect.left(), mark.rect.top()).rgb(), outline.rgb());
                }
                ++checked;
            }
            QVERIFY(checked > 0);
            board_->ExplanationTip()->hide();
        }
    }

    // A mark never hides what a cited cell shows: painted with its marks,
    // a cell keeps every pixel of its digit or pencil marks; and a cell
    // cited by several lines shows a mark for each, none over another.
    void marksNeverHideWhatACellShows()
    {
        Load(kPuzzle);
        board_->OnPass();
        // Every cell cited on this board with the marks it gets, then a
        // crowded one: eight pencil marks and three marks.
        std::vector<std::pair<int, QString>> cited;
        for (int i = 0; i < kCellCount && cited.size() < 400; ++i) {
            const CExplanation explanation = Explain(board_->Board().Working(), i);
            for (int k = 0; k < kCellCount; ++k)
                if (!explanation.marks[static_cast<std::size_t>(k)].isEmpty())
                    cited.emplace_back(k, explanation.marks[static_cast<std::size_t>(k)]);
        }
        QVERIFY(cited.size() > 100);
        CCell& crowded = board_->Board().Cell(8, 8);
        crowded.SetValue(0);
        crowded.RuleOut(DigitBit(5));
        Redraw(8, 8);
        cited.emplace_back(CellIndex(8, 8), QStringLiteral("ABC"));
        for (const auto& [k, marks] : cited) {
            {
                CCellEdit* cell = Cell(k / 9, k % 9);
                cell->SetCited(QString());
                const QImage bare = cell->grab().toImage();
                cell->SetCited(marks);
                const QImage marked = cell->grab().toImage();
                const std::vector<CMarkPlace> places = cell->MarkPlaces();
                QCOMPARE(places.size(), static_cast<std::size_t>(marks.size()));
                for (std::size_t a = 0; a < places.size(); ++a)
                    for (std::size_t b = a + 1; b < places.size(); ++b)
                        QVERIFY(!places[a].rect.intersects(places[b].rect));
                // Ink: what differs from the background inside the outline.
                const QColor background = cell->palette().color(QPalette::Base);
                const int border = qCeil(3 * bare.devicePixelRatio());
                for (int y = border; y < bare.height() - border; ++y)
                    for (int x = border; x < bare.width() - border; ++x)
                        if (bare.pixelColor(x, y) != background && marked.pixelColor(x, y) != bare.pixelColor(x, y))
                            QFAIL(qPrintable(QStringLiteral("a mark on cell %1 hides what it shows").arg(k)));
                cell->SetCited(QString());
            }
        }
    }

    // Ctrl+H, or the menu's Hint, points first at the cell that Pass,
    // pressed again and again, would fill next, and says which kind of rule
    // fills it; pressed again, it tells the digit and why, as the cell will
    // explain itself once filled. Neither changes the board or the undo
    // history; any change to the board, and Escape, end the hint.
    void hintPointsThenTellsAndAnyChangeEndsIt_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<int>("passes");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("ending");
        const QString twoSweeps =
            QStringLiteral("9.8.....4..1973.....5....6..5..4.........8..36.7....1....381.5......6....93..7...");
        const QString inBox =
            QStringLiteral(".....7.52..1...4...6.2....3....7.3.6.1...3.78......2..7.4..8......6128...........");
        const QString puzzle = QString::fromStdString(kPuzzle);
        QTest::newRow("fresh, by the key, ended by typing its digit") << puzzle << 0 << false << "typing";
        QTest::newRow("after a Pass, by the menu, ended by Pass") << puzzle << 1 << true << "pass";
        QTest::newRow("filled in the second sweep, ended by Escape") << twoSweeps << 0 << false << "escape";
        QTest::newRow("only place in its box, after a Pass, ended by Undo") << inBox << 1 << true << "undo";
        QTest::newRow("ended by Escape once the tip has gone") << puzzle << 1 << false << "arrow, escape";
    }

    void hintPointsThenTellsAndAnyChangeEndsIt()
    {
        QFETCH(QString, puzzle);
        QFETCH(int, passes);
        QFETCH(bool, byMenu);
        QFETCH(QString, ending);
        // The window menu's Hint, on a key nothing else in the window takes.
        QAction* menuHint = board_->MenuAction(CBoardDlg::Action::Hint);
        QCOMPARE(menuHint->text(), QStringLiteral("&Hint\tCtrl+H"));
        QCOMPARE(menuHint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        for (const QAction* other : board_->WindowMenu()->actions())
            QVERIFY(other == menuHint || !other->shortcuts().contains(menuHint->shortcut()));
        Load(puzzle.toStdString());
        for (int k = 0; k < passes; ++k)
            board_->OnPass();
        FocusCell(8, 4);
        const CBoardState before = board_->Board().State();
        const std::size_t steps = board_->History().Size();
        // Where the hint must point (held to the reference deduction in the
        // model's tests).
        const CHint expected = FindHint(board_->Board().Working());
        const int cell = expected.cell;
        QVERIFY(cell >= 0);
        const CCell& filled = expected.grid[static_cast<std::size_t>(cell)];
        const QString place = QStringLiteral("row %1, column %2").arg(cell / 9 + 1).arg(cell % 9 + 1);
        const auto ask = [&] {
            if (byMenu)
                board_->MenuAction(CBoardDlg::Action::Hint)->trigger();
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::ControlModifier);
        };
        const auto outlined = [this] {
            std::vector<int> cells;
            for (int i = 0; i < kCellCount; ++i)
                if (Cell(i / 9, i % 9)->IsHinted())
                    cells.push_back(i);
            return cells;
        };
        CExplanationTip* tip = board_->ExplanationTip();
        const QRect onScreen(Cell(cell / 9, cell % 9)->mapToGlobal(QPoint()), Cell(cell / 9, cell % 9)->size());

        ask();
        QCOMPARE(board_->HintedCell(), cell);
        QCOMPARE(outlined(), std::vector<int>{cell});
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->Title(), QStringLiteral("Hint"));
        QCOMPARE(tip->Text(),
                 QStringLiteral("Look at %1: %2")
                     .arg(place,
                          filled.HowFilled() == Fill::OnlyInBox
                              ? QStringLiteral("one digit has no other place in its box (hidden single)")
                              : QStringLiteral("every digit but one can be ruled out there (naked single)")));
        QCOMPARE(board_->Announcer()->Said(), tip->Text());
        QVERIFY(!tip->frameGeometry().intersects(onScreen));
        QVERIFY(board_->Board().State() == before);
        QCOMPARE(board_->History().Size(), steps);

        ask();
        const CExplanation why = Explain(expected.grid, cell, Telling::Hint);
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->Title(), QStringLiteral("Hint: ") + place);
        // The digit goes here and why, how many Passes fill it, then the rest.
        const QString presses = expected.passes == 1 ? QStringLiteral("The next Pass fills it")
            : expected.passes == 2                   ? QStringLiteral("Two Passes fill it")
                                                     : QStringLiteral("%1 Passes fill it").arg(expected.passes);
        QStringList told = why.Text().split(QLatin1Char('\n'));
        told.insert(1, presses);
        QCOMPARE(tip->Text(), told.join(QLatin1Char('\n')));
        QVERIFY(why.Text().startsWith(QStringLiteral("%1 goes here: ").arg(filled.GetValue())));
        // "Every digit but one can be ruled out": so it says, digit by digit.
        if (filled.HowFilled() == Fill::Single)
            QCOMPARE(why.Text().count(QStringLiteral(" ruled out: ")), 8);
        for (int k = 0; k < kCellCount; ++k)
            QCOMPARE(Cell(k / 9, k % 9)->CitedBy(), why.marks[static_cast<std::size_t>(k)]);
        QCOMPARE(outlined(), std::vector<int>{cell});
        QVERIFY(!tip->frameGeometry().intersects(onScreen));
        // Heard: the digit; pressed again, the reasons too.
        QCOMPARE(board_->Announcer()->Said(), told.front());
        ask();
        QCOMPARE(board_->Announcer()->Said(), tip->Title() + QLatin1Char('\n') + tip->Text());
        QVERIFY(board_->Board().State() == before);
        QCOMPARE(board_->History().Size(), steps);

        if (ending == QLatin1String("typing")) {
            FocusCell(cell / 9, cell % 9);
            QTest::keyClick(Cell(cell / 9, cell % 9), static_cast<Qt::Key>(Qt::Key_0 + filled.GetValue()));
        } else if (ending == QLatin1String("pass")) {
            QTest::keyClick(board_.get(), Qt::Key_P, Qt::AltModifier);
        } else if (ending == QLatin1String("undo")) {
            QTest::keyClick(board_.get(), Qt::Key_Z, Qt::ControlModifier);
        } else if (ending == QLatin1String("escape")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            // The tip goes at the next key; the outline stays until Escape.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QVERIFY(tip->isHidden());
            QCOMPARE(outlined(), std::vector<int>{cell});
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QCOMPARE(board_->HintedCell(), -1);
        QVERIFY(outlined().empty());
        QVERIFY(tip->isHidden());
        for (int k = 0; k < kCellCount; ++k)
            QVERIFY(!Cell(k / 9, k % 9)->IsCited());
        // Escape ended the hint, not the window; the next press points again.
        QVERIFY(board_->isVisible());
        ask();
        QVERIFY(tip->Text().startsWith(QStringLiteral("Look at ")) || tip->Text().startsWith(QStringLiteral("Zifrel")));
    }

    // Where the rules fill nothing, the hint says so; on a board that
    // contradicts itself it says what is wrong, and pressed again, shows
    // the explanation of the first cell involved, which says it too.
    void hintOnABoardWithNothingToFillOrAContradiction_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("explained");
        QTest::newRow("empty")
            << QString(81, QLatin1Char('.'))
            << "Zifrel's rules fill no further cell, and the digits on the board have more than one solution" << -1;
        QTest::newRow("solved") << QString::fromStdString(kSolution)
                                << "Every cell holds its digit and nothing contradicts: the puzzle is solved" << -1;
        QTest::newRow("beyond the rules, solved as far as they go")
            << QString::fromStdString(LoadPuzzleSetLine("expert"))
            << "Zifrel's rules fill no further cell: the puzzle has exactly one solution, but it needs a technique beyond "
               "Zifrel's rules (level 4)"
            << -3;
        QString twice = QString::fromStdString(kPuzzle);
        twice[0] = QLatin1Char('4');
        QTest::newRow("a digit twice in a row")
            << twice << "The board contradicts itself: 4 stands in row 1, column 1 and in row 1, column 5" << 0;
        QTest::newRow("no digit left") << QString() << "The board contradicts itself: no digit is left for " << -2;
    }

    void hintOnABoardWithNothingToFillOrAContradiction()
    {
        QFETCH(QString, puzzle);
        QFETCH(QString, first);
        QFETCH(int, explained);
        if (explained == -2) {
            board_->Board().Restore(WrongDigitSolved());
            explained = FirstEmptiedCell();
            first += QStringLiteral("row %1, column %2, and the givens contradict each other")
                         .arg(explained / 9 + 1)
                         .arg(explained % 9 + 1);
        } else {
            Load(puzzle.toStdString());
        }
        if (explained == -3)
            board_->Board().OnSolve();
        const CBoardState before = board_->Board().State();
        CExplanationTip* tip = board_->ExplanationTip();
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(board_.get(), Qt::Key_H, Qt::ControlModifier);
            QVERIFY(tip->isVisible());
            QCOMPARE(board_->HintedCell(), -1);
            if (press == 0 || explained < 0) {
                QCOMPARE(tip->Title(), QStringLiteral("Hint"));
                QCOMPARE(tip->Text(), first);
            } else {
                QCOMPARE(tip->Title(),
                         QStringLiteral("Hint: row %1, column %2").arg(explained / 9 + 1).arg(explained % 9 + 1));
                QCOMPARE(tip->Text(), Explain(board_->Board().Working(), explained).Text());
                QVERIFY(tip->Text().contains(QStringLiteral(" also stands in "))
                        || tip->Text().contains(QStringLiteral("No digit is left")));
            }
            QCOMPARE(board_->Announcer()->Said(), tip->Text().section(QLatin1Char('\n'), 0, 0));
        }
        QVERIFY(board_->Board().State() == before);
        QCOMPARE(board_->History().Size(), std::size_t{0});
    }

    // A digit twice in a row, column or box, and an empty cell with no
    // digit left, are marked as soon as they arise, however they arise: a
    // dashed outline and a tint in the warning colour. Each such cell says
    // what is wrong in its explanation and its description for screen
    // readers, and the change that brought it is announced with it. The
    // marks go with the contradiction.
    void contradictionsAreMarkedAsTheyAriseAndGoWithThem_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"typing", "load", "paste", "pass", "solve", "cell", "undo", "redo"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void contradictionsAreMarkedAsTheyAriseAndGoWithThem()
    {
        QFETCH(QString, how);
        std::string twice = kPuzzle;
        twice[0] = '4'; // r1c5 holds 4 too
        // A digit typed where nothing shows it wrong, whose consequences
        // leave a cell with no digit, and how many Passes and cell steps
        // that takes.
        const auto [wrongCell, wrongDigit] = WrongDigit();
        Load(kPuzzle);
        board_->Board().Cell(wrongCell / 9, wrongCell % 9).SetValue(wrongDigit);
        const CBoardState wrong = board_->Board().State();
        const auto firstEmptied = [&](const std::function<void(CBoard&)>& step) {
            CBoard copy;
            copy.Restore(wrong);
            for (int n = 1; n < 2000; ++n) {
                step(copy);
                for (const CCell& c : copy.Working())
                    if (c.GetValue() == 0 && c.CandidateCount() == 0)
                        return n;
            }
            return -1;
        };
        Load(kPuzzle);
        QVERIFY(NoCellMarked());

        if (how == QLatin1String("typing") || how == QLatin1String("undo") || how == QLatin1String("redo")) {
            FocusCell(0, 0);
            QTest::keyClick(Cell(0, 0), Qt::Key_4);
            if (how != QLatin1String("typing")) {
                QTest::keyClick(Cell(0, 0), Qt::Key_0);
                QVERIFY(NoCellMarked());
                QTest::keyClick(Cell(0, 0), Qt::Key_Z, Qt::ControlModifier);
                if (how == QLatin1String("redo")) {
                    QVERIFY(!NoCellMarked());
                    QTest::keyClick(Cell(0, 0), Qt::Key_Y, Qt::ControlModifier);
                    QVERIFY(NoCellMarked());
                    QTest::keyClick(Cell(0, 0), Qt::Key_Z, Qt::ControlModifier);
                    QTest::keyClick(Cell(0, 0), Qt::Key_Z, Qt::ControlModifier);
                    QVERIFY(NoCellMarked());
                    QTest::keyClick(Cell(0, 0), Qt::Key_Y, Qt::ControlModifier);
                }
            }
        } else if (how == QLatin1String("load")) {
            QFile file(QStringLiteral("Zifrel.zfr"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(twice) + "\n");
            file.close();
            QTest::keyClick(board_.get(), Qt::Key_L, Qt::AltModifier);
        } else if (how == QLatin1String("paste")) {
            QApplication::clipboard()->setText(QString::fromStdString(twice));
            board_->OnSave();
            QTest::keyClick(board_.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        } else if (how == QLatin1String("pass") || how == QLatin1String("solve")) {
            board_->Board().Restore(wrong);
            const bool pass = how == QLatin1String("pass");
            const int passes = firstEmptied([](CBoard& b) { b.DoPass(); });
            QVERIFY(passes > 0);
            for (int k = 1; pass && k < passes; ++k)
                board_->Board().DoPass();
            QVERIFY(NoCellMarked());
            QTest::keyClick(board_.get(), pass ? Qt::Key_P : Qt::Key_S, Qt::AltModifier);
        } else {
            board_->Board().Restore(wrong);
            const int steps = firstEmptied([](CBoard& b) { b.OnCellStep(); });
            QVERIFY(steps > 0);
            for (int k = 1; k < steps; ++k)
                board_->Board().OnCellStep();
            QTest::keyClick(board_.get(), Qt::Key_C, Qt::AltModifier);
        }

        // The marks are exactly the cells a plain check of every pair and
        // every empty cell finds. (Off the cells, no digit is highlighted.)
        board_->Button(CBoardDlg::IdSolve)->setFocus();
        const Grid& grid = board_->Board().Working();
        int marked = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const CCell& c = grid[static_cast<std::size_t>(i)];
            QStringList wrongs;
            for (int j = 0; j < kCellCount; ++j) {
                const bool peer =
                    j != i && (i / 9 == j / 9 || i % 9 == j % 9 || (i / 27 == j / 27 && i % 9 / 3 == j % 9 / 3));
                if (peer && c.GetValue() != 0 && grid[static_cast<std::size_t>(j)].GetValue() == c.GetValue())
                    wrongs << QStringLiteral("%1 also stands in row %2, column %3%4")
                                  .arg(c.GetValue())
                                  .arg(j / 9 + 1)
                                  .arg(j % 9 + 1)
                                  .arg(grid[static_cast<std::size_t>(j)].HowFilled() == Fill::Entered
                                           ? QStringLiteral(", where you entered it")
                                           : QString());
            }
            const bool empty = c.GetValue() == 0 && c.CandidateCount() == 0;
            CCellEdit* control = Cell(i / 9, i % 9);
            QCOMPARE(control->IsConflicting(), empty || !wrongs.isEmpty());
            if (!control->IsConflicting())
                continue;
            ++marked;
            const QString description = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
            for (const QString& line : wrongs) {
                QVERIFY2(control->Explanation().split(QLatin1Char('\n')).contains(line), qPrintable(line));
                QVERIFY(description.split(QLatin1Char('\n')).contains(line));
            }
            if (empty) {
                // The givens are blamed only when they have no solution.
                const QString blamed =
                    QStringLiteral("No digit is left for this cell: the givens contradict each other");
                QVERIFY(control->Explanation().split(QLatin1Char('\n')).contains(blamed));
                QVERIFY(description.split(QLatin1Char('\n')).contains(blamed));
                Values givens{};
                for (int k = 0; k < kCellCount; ++k)
                    if (grid[static_cast<std::size_t>(k)].HowFilled() == Fill::Given)
                        givens[static_cast<std::size_t>(k)] = grid[static_cast<std::size_t>(k)].GetValue();
                QCOMPARE(CountSolutions(givens, 1).count, 0);
            }
            // Painted so: a dashed outline in the warning colour, the tint behind.
            const QImage image = control->grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            QCOMPARE(image.pixelColor(0, 0).rgb(), WarningColour(control->palette()).rgb());
            QCOMPARE(image.pixelColor(qRound(6 * ratio), 0).rgb(), control->palette().color(QPalette::Dark).rgb());
            QCOMPARE(image.pixelColor(qRound(4 * ratio), qRound(4 * ratio)).rgb(),
                     ConflictBackground(control->palette()).rgb());
        }
        QVERIFY(marked >= 1);
        QVERIFY2(board_->Announcer()->Said().contains(QStringLiteral("The board contradicts itself: ")),
                 qPrintable(board_->Announcer()->Said()));
        // What Pass, Solve or Cell made wrong is shown as it is heard.
        if (how == QLatin1String("pass") || how == QLatin1String("solve") || how == QLatin1String("cell")) {
            QVERIFY(board_->Notice()->isVisible());
            QVERIFY(board_->Announcer()->Said().endsWith(board_->Notice()->text()));
        }
        // A cell cited by an explanation keeps its contradiction's dashes
        // at the edge, the citation's outline inside them.
        if (const std::vector<int> peers = FindConflicts(grid)[0].sameDigit; !peers.empty()) {
            board_->OnExplain(0, 0);
            CCellEdit* cited = Cell(peers.front() / 9, peers.front() % 9);
            const QImage image = cited->grab().toImage();
            QVERIFY(cited->IsCited());
            QCOMPARE(image.pixelColor(0, 0).rgb(), WarningColour(cited->palette()).rgb());
            QCOMPARE(image.pixelColor(qRound(2 * image.devicePixelRatio()), image.height() / 2).rgb(),
                     CitationColour(cited->palette()).rgb());
            board_->ExplanationTip()->hide();
        }

        // A sound board again: no mark is left.
        QApplication::clipboard()->setText(QString::fromStdString(kPuzzle));
        board_->OnSave();
        QTest::keyClick(board_.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(NoCellMarked());
        QCOMPARE(board_->Announcer()->Said(), QStringLiteral("Paste: 26 cells filled, 55 open"));
    }

    // A pencil mark a Pass left behind (its digit placed beside it later in
    // the same Pass) is struck through, at every size, and not called
    // possible: the description says where the digit stands now.
    void leftBehindMarksAreStruckThroughAndNotCalledPossible()
    {
        Load("...3..7...9...8.2........41.76.9....8.4...2.6....5.47.52........8.9...6...9..4...");
        board_->OnPass();
        board_->OnPass();
        CCellEdit* cell = Cell(5, 1);
        QCOMPARE(board_->Board().Cell(5, 1).CandidateMask(), int{DigitBit(1) | DigitBit(3)});
        QCOMPARE(cell->LeftBehind(), DigitBit(3));
        QCOMPARE(cell->SpokenValue(), QStringLiteral("empty, still possible 1"));
        const QString description = QAccessible::queryAccessibleInterface(cell)->text(QAccessible::Description);
        QVERIFY2(
            description.contains(QStringLiteral("3 now stands in row 6, column 9, so the next Pass rules it out here")),
            qPrintable(description));
        // The stroke, on the 3, is all that differs from the mark unstruck,
        // and it grows with the board (100%, then 150%).
        int struck[2] = {0, 0};
        for (int& differing : struck) {
            const QImage marked = cell->grab().toImage();
            const QRectF near =
                QRectF(cell->Strikes().front().p1(), cell->Strikes().front().p2()).normalized().adjusted(-3, -3, 3, 3);
            cell->SetLeftBehind(0);
            const QImage plain = cell->grab().toImage();
            cell->SetLeftBehind(DigitBit(3));
            for (int y = 0; y < marked.height(); ++y)
                for (int x = 0; x < marked.width(); ++x)
                    if (marked.pixel(x, y) != plain.pixel(x, y) && ++differing)
                        QVERIFY(near.contains(QPointF(x, y) / marked.devicePixelRatio()));
            for (int press = 0; press < 2; ++press)
                QTest::keyClick(board_.get(), Qt::Key_Plus, Qt::ControlModifier);
        }
        QVERIFY2(struck[0] > 3 && struck[1] > struck[0] * 3 / 2,
                 qPrintable(QStringLiteral("%1, %2").arg(struck[0]).arg(struck[1])));
    }

    // While the focused cell shows a digit, every other cell showing it,
    // as its digit or as a pencil mark, has it highlighted; the highlight
    // follows the focus by arrow keys and Tab, and typing, and is off on an
    // empty cell and off the board.
    void theFocusedDigitIsHighlightedWhereverItShows()
    {
        Load(kPuzzle);
        board_->OnPass();
        // A pencil mark a sweep left behind is no place for the digit.
        int spared = 0;
        const auto shows = [&](int i, int digit) {
            const CCell& c = board_->Board().Working()[static_cast<std::size_t>(i)];
            const bool leftBehind = digit != 0 && (LeftBehindMarks(board_->Board().Working(), i) & DigitBit(digit));
            spared += digit != 0 && leftBehind;
            return digit != 0 && (c.GetValue() == digit || (c.ShowsCandidates() && c.IsOpen(digit) && !leftBehind));
        };
        // How many cells are lit; wrong names a cell lit that should not be,
        // or the other way round.
        QString wrong;
        const auto check = [&](int focused, const QString& how) {
            if (QApplication::focusWidget() != Cell(focused / 9, focused % 9))
                wrong = how + QStringLiteral(": the focus is not on cell %1").arg(focused);
            const int digit = board_->Board().Working()[static_cast<std::size_t>(focused)].GetValue();
            int lit = 0;
            for (int i = 0; i < kCellCount; ++i) {
                const bool expected = i != focused && shows(i, digit);
                if (Cell(i / 9, i % 9)->SameDigitRect().isEmpty() == expected && wrong.isEmpty())
                    wrong = how + QStringLiteral(": cell %1 with %2 focused").arg(i).arg(focused);
                lit += expected;
            }
            return lit;
        };
        FocusCell(0, 0);
        int lit = 0;
        // Right along each row, then Down, with wrap-around.
        for (int i = 0; i < kCellCount; ++i) {
            lit += check(i, QStringLiteral("arrows"));
            QTest::keyClick(QApplication::focusWidget(), (i + 1) % 9 ? Qt::Key_Right : Qt::Key_Down);
            if ((i + 1) % 9 == 0)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QVERIFY(lit > 200);
        QVERIFY(spared > 0);
        // Tab, backwards, from the bottom right.
        Cell(8, 8)->setFocus();
        for (int i = kCellCount - 1; i >= 40; --i) {
            check(i, QStringLiteral("tab"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // Painted: behind a pencil mark and behind a whole digit.
        FocusCell(0, 4);
        const QColor behind = SameDigitBackground(board_->palette());
        int painted = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const QRect lit = Cell(i / 9, i % 9)->SameDigitRect();
            if (lit.isEmpty())
                continue;
            const QImage image = Cell(i / 9, i % 9)->grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            QCOMPARE(image.pixelColor(qRound(lit.left() * ratio), qRound(lit.top() * ratio)).rgb(), behind.rgb());
            ++painted;
        }
        QVERIFY(painted >= 5);
        // Typing a digit lights it up; 0 empties the cell and puts it out.
        FocusCell(1, 1);
        QTest::keyClick(Cell(1, 1), Qt::Key_4);
        QVERIFY(check(CellIndex(1, 1), QStringLiteral("typed")) > 0);
        QVERIFY(!Cell(0, 4)->SameDigitRect().isEmpty());
        QTest::keyClick(Cell(1, 1), Qt::Key_0);
        QCOMPARE(check(CellIndex(1, 1), QStringLiteral("emptied")), 0);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // Off the board, off.
        FocusCell(0, 4);
        board_->Button(CBoardDlg::IdSolve)->setFocus();
        for (int i = 0; i < kCellCount; ++i)
            QVERIFY(Cell(i / 9, i % 9)->SameDigitRect().isEmpty());
    }

    // Every state a cell can be painted in keeps its text legible, 4.5:1
    // against what is behind it (WCAG AA), and its outline 3:1 against the
    // cells' base and the window's background (WCAG's for marks that are
    // no text), under the style's light palette and a dark Fusion palette;
    // painted in exactly those colours.
    void everyStateIsLegibleOnALightAndADarkPalette()
    {
        Load(kPuzzle);
        board_->OnPass();
        // r1c5 holds a given 4; after Pass, r4c5 a found 2, r1c1 pencil marks.
        struct State {
            const char* name;
            int cell;
            std::function<void()> show;
        };
        const int found = CellIndex(3, 4);
        QVERIFY(board_->Board().Cell(3, 4).HowFilled() != Fill::Given);
        const std::vector<State> states = {
            {"plain digit", CellIndex(0, 4), [] {}},
            {"found digit", found, [] {}},
            {"pencil marks", CellIndex(0, 0), [] {}},
            {"hint outline", -1, [this] { board_->OnHint(); }},
            {"contradiction", CellIndex(0, 0),
             [this] {
                 FocusCell(0, 0);
                 QTest::keyClick(Cell(0, 0), Qt::Key_4);
                 board_->Button(CBoardDlg::IdSolve)->setFocus();
             }},
            {"same digit", CellIndex(8, 8), [this] { FocusCell(1, 7); }},
            {"same digit, found", found, [this] { FocusCell(7, 8); }},
            {"same pencil mark", CellIndex(0, 0), [this] { FocusCell(3, 4); }},
            {"explanation outline", CellIndex(0, 4), [this] { board_->OnExplain(0, 0); }},
            {"entered digit", CellIndex(1, 1),
             [this] {
                 FocusCell(1, 1);
                 QTest::keyClick(Cell(1, 1), Qt::Key_2);
                 board_->Button(CBoardDlg::IdSolve)->setFocus();
             }},
            {"focused pencil marks", CellIndex(0, 0), [this] { FocusCell(0, 0); }},
        };
        for (const auto& [tone, palette] :
             {std::pair{"light", QApplication::style()->standardPalette()}, std::pair{"dark", DarkFusionPalette()}}) {
            board_->setPalette(palette);
            for (const State& state : states) {
                Load(kPuzzle);
                board_->OnPass();
                board_->Button(CBoardDlg::IdSolve)->setFocus();
                state.show();
                const int i = state.cell >= 0 ? state.cell : board_->HintedCell();
                CCellEdit* cell = Cell(i / 9, i % 9);
                CCellEdit::CLook look = cell->Look();
                // The focused cell's text is selected whole.
                const bool focused = cell->hasFocus();
                if (focused)
                    look.text = cell->SelectedText();
                const QColor behind = focused       ? cell->SelectionBackground()
                    : look.markBackground.isValid() ? look.markBackground
                                                    : look.background;
                const double text = ContrastRatio(look.text, behind);
                QString line = QStringLiteral("%1, %2: text %3:1")
                                   .arg(QLatin1String(tone), QLatin1String(state.name))
                                   .arg(text, 0, 'f', 2);
                QVERIFY2(text >= 4.5, qPrintable(line));
                // What is painted is those colours: the text's ink, the background.
                const QImage image = cell->grab().toImage();
                const qreal ratio = image.devicePixelRatio();
                // A digit has pixels in the text's colour; pencil marks, so small
                // that smoothing never reaches it, at least pixels as legible.
                bool exact = false;
                double strongest = 1;
                const QRect area = cell->rect().adjusted(4, 4, -4, -4);
                for (int y = qRound(area.top() * ratio); y <= qRound(area.bottom() * ratio); ++y)
                    for (int x = qRound(area.left() * ratio); x <= qRound(area.right() * ratio); ++x) {
                        exact = exact || image.pixelColor(x, y).rgb() == look.text.rgb();
                        strongest = std::max(strongest, ContrastRatio(image.pixelColor(x, y), behind));
                    }
                const bool digit = cell->Text().size() == 1;
                line += QStringLiteral(" (strongest pixel %1:1)").arg(std::min(strongest, text), 0, 'f', 2);
                QVERIFY2(digit ? exact : strongest >= 4.5,
                         qPrintable(line + QStringLiteral(": the text is not painted so")));
                const QRect lit = cell->SameDigitRect();
                // A corner inside the outline that no mark's letter covers.
                QPoint inside = lit.topLeft();
                for (const QPoint corner : {QPoint(4, 4), QPoint(cell->width() - 5, 4), QPoint(4, cell->height() - 5),
                                            QPoint(cell->width() - 5, cell->height() - 5)}) {
                    const std::vector<CMarkPlace> marks = cell->MarkPlaces();
                    if (lit.isEmpty() && std::none_of(marks.begin(), marks.end(), [&](const CMarkPlace& m) {
                            return m.rect.contains(corner);
                        })) {
                        inside = corner;
                        break;
                    }
                }
                // (The focused cell's selection may reach the corners.)
                if (!focused)
                    QCOMPARE(image.pixelColor(qRound(inside.x() * ratio), qRound(inside.y() * ratio)).rgb(),
                             behind.rgb());
                // The same digit's highlight stands out from the cells (3:1).
                if (const QColor lit = SameDigitBackground(palette); behind == lit) {
                    line += QStringLiteral(", highlight %1:1 on the base")
                                .arg(ContrastRatio(lit, palette.color(QPalette::Base)), 0, 'f', 2);
                    QVERIFY2(ContrastRatio(lit, palette.color(QPalette::Base)) >= 3, qPrintable(line));
                }
                if (look.outline.isValid()) {
                    const double onBase = ContrastRatio(look.outline, palette.color(QPalette::Base));
                    const double onWindow = ContrastRatio(look.outline, palette.color(QPalette::Window));
                    line += QStringLiteral(", outline %1:1 on the base, %2:1 on the window")
                                .arg(onBase, 0, 'f', 2)
                                .arg(onWindow, 0, 'f', 2);
                    QVERIFY2(onBase >= 3 && onWindow >= 3, qPrintable(line));
                    QCOMPARE(image.pixelColor(0, qRound(cell->height() / 2 * ratio)).rgb(), look.outline.rgb());
                }
                qInfo("%s", qPrintable(line));
                board_->ExplanationTip()->hide();
            }
        }
    }

    void cellsShowTheModelInTheRightFontAfterPassAndSolve()
    {
        const std::string intermediate =
            "....1...4..69..8......5........98....7..4.6..4.21.6.8.84......92..7.5...5.1.....6";
        Load(intermediate);
        QSignalSpy edits(Cell(0, 0), &CCellEdit::userEdited);
        for (auto command : {&CBoardDlg::OnPass, &CBoardDlg::OnSolve}) {
            (board_.get()->*command)();
            int candidateCells = 0;
            for (int i = 0; i < kCellCount; ++i) {
                const CCell& cell = board_->Board().Working()[i];
                CCellEdit* control = Cell(i / 9, i % 9);
                QCOMPARE(
                    control->Text(),
                    QString::fromStdString(cell.DisplayText()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
                QCOMPARE(control->CurrentFont(),
                         cell.ShowsCandidates() ? board_->CandidateFont() : board_->ValueFont());
                candidateCells += cell.ShowsCandidates();
                QVERIFY(TextFits(control));
            }
            QVERIFY(candidateCells > 0 || command == &CBoardDlg::OnSolve);
        }
        QCOMPARE(edits.count(), 0);
    }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
