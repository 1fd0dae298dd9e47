// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_menu_bar.h"

#include "board_dlg.h"
#include "board_printer.h"
#include "keys_dlg.h"

#include <QApplication>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

namespace {

// The key after a tab, unless the text carries one already.
void NameKey(QAction* action)
{
    const QKeySequence key = action->shortcut();
    if (!key.isEmpty() && !action->text().contains(QLatin1Char('\t')))
        action->setText(action->text() + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
}

// Each "&" that marks a mnemonic goes; of "&&", the "&" it stands for stays.
// A plain loop: a regular expression here would load and compile the
// expression engine at start-up for nothing else.
QString WithoutMnemonic(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('&') && (i + 1 == text.size() || text[i + 1] != QLatin1Char('&')))
            text.remove(i--, 1);
    return text;
}

} // namespace

void NameKeys(QMenu* menu)
{
    menu->setAccessibleName(WithoutMnemonic(menu->title()).section(QLatin1Char('\t'), 0, 0));
    for (QAction* action : menu->actions()) {
        if (action->menu())
            NameKeys(action->menu());
        NameKey(action);
        // Setting the text again emits changed() once more, and finds the key there.
        QObject::connect(action, &QAction::changed, action, [action] { NameKey(action); });
    }
}

CBoardMenuBar::CBoardMenuBar(CBoardDlg* board) : QMenuBar(board), board_(board), printer_(new CBoardPrinter(board))
{
    // In the window on every desktop, never moved to a global menu.
    setNativeMenuBar(false);
    // The board's font grows with the board; the menu bar keeps the
    // desktop's size, in the board's face, which the window has loaded
    // already (another face would cost the start a tenth more).
    QFont font = board->ValueFont();
    font.setPointSizeF(QApplication::font(this).pointSizeF());
    setFont(font);
    const auto shared = [board](CBoardDlg::Action action) { return board->MenuAction(action); };
    QMenu* levels = nullptr;
    for (QAction* action : board->WindowMenu()->actions())
        if (action->menu())
            levels = action->menu();

    QMenu* game = addMenu(tr("&Game"));
    connect(AddItem(game, Item::NewPuzzle, QString(), QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            [this] { board_->OnNewPuzzle(level_); });
    QMenu* ofLevel = game->addMenu(tr("New Puzzle of &Level"));
    for (int k = 0; k < 4; ++k) {
        QAction* action = levels->actions().at(k);
        ofLevel->addAction(action);
        const auto level = static_cast<Level>(k + 1);
        connect(action, &QAction::triggered, this, [this, level] { ChooseLevel(level); });
    }
    ChooseLevel(Level::Singles);
    game->addAction(shared(CBoardDlg::Action::CheckPuzzle));
    game->addAction(shared(CBoardDlg::Action::Hint));
    game->addAction(shared(CBoardDlg::Action::GoToHint));
    game->addSeparator();
    connect(AddItem(game, Item::Print, tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P)), &QAction::triggered,
            printer_, &CBoardPrinter::OnPrint);
    connect(
        AddItem(game, Item::PrintPuzzles, tr("Print New P&uzzles..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
        &QAction::triggered, printer_, [this] { printer_->OnPrintPuzzles(level_); });
    game->addSeparator();
    connect(AddItem(game, Item::Quit, tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)), &QAction::triggered, board,
            &QWidget::close);

    QMenu* edit = addMenu(tr("E&dit"));
    edit->addActions({shared(CBoardDlg::Action::Undo), shared(CBoardDlg::Action::Redo)});
    edit->addSeparator();
    edit->addActions({shared(CBoardDlg::Action::CopyPuzzle), shared(CBoardDlg::Action::PastePuzzle)});

    QMenu* view = addMenu(tr("V&iew"));
    view->addActions(
        {shared(CBoardDlg::Action::Larger), shared(CBoardDlg::Action::Smaller), shared(CBoardDlg::Action::NormalSize)});

    QMenu* help = addMenu(tr("Help"));
    connect(AddItem(help, Item::Help, tr("Zifrel &Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, board,
            &CBoardDlg::OnHelp);
    connect(AddItem(help, Item::Keys, tr("&Keys"), QKeySequence(Qt::CTRL | Qt::Key_Question)), &QAction::triggered,
            this, &CBoardMenuBar::OnKeys);
    help->addSeparator();
    help->addAction(board->WindowMenu()->actions().constLast());

    board->WindowMenu()->setTitle(tr("Window menu"));
    for (QMenu* menu : {game, edit, view, help, board->WindowMenu()})
        NameKeys(menu);
    for (QMenu* menu : {game, edit, view, help}) {
        connect(menu, &QMenu::aboutToShow, this, &CBoardMenuBar::NoteFocus);
        connect(menu, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, &CBoardMenuBar::ReturnFocus); });
    }
    connect(new QShortcut(QKeySequence(Qt::Key_F10), board), &QShortcut::activated, this,
            &CBoardMenuBar::OpenFirstMenu);
    height_ = sizeHint().height();
}

QAction* CBoardMenuBar::AddItem(QMenu* menu, Item item, const QString& text, const QKeySequence& key)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    // The key works wherever the focus is in the window.
    board_->addAction(action);
    items_[item] = action;
    return action;
}

void CBoardMenuBar::ChooseLevel(Level level)
{
    level_ = level;
    QAction* action = items_.at(Item::NewPuzzle);
    //: %1 is the level's number, 1 to 4.
    action->setText(tr("&New Puzzle, Level %1").arg(static_cast<int>(level)));
}

void CBoardMenuBar::NoteFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!returnTo_ && focus != this && !qobject_cast<QMenu*>(focus))
        returnTo_ = focus;
}

void CBoardMenuBar::OpenFirstMenu()
{
    returnTo_ = QApplication::focusWidget();
    QAction* first = actions().constFirst();
    setActiveAction(first);
    if (QMenu* menu = first->menu(); menu && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().constFirst());
}

void CBoardMenuBar::ReturnFocus()
{
    if (!returnTo_ || QApplication::activePopupWidget())
        return;
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == this || qobject_cast<const QMenu*>(focus))
        returnTo_->setFocus(Qt::MenuBarFocusReason);
    returnTo_ = nullptr;
}

void CBoardMenuBar::OnKeys()
{
    CKeysDlg keys(board_);
    keys.exec();
}
