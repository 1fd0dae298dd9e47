// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_maker.h"

#include <QMenuBar>
#include <QPointer>

#include <map>

class CBoardDlg;
class CBoardPrinter;
class QMenu;

// The menu bar above the board: Game, Edit, View and Help, each item with
// its key. Items the window menu holds too are the same actions, so that
// each key is one shortcut wherever it is shown. F10 opens the first menu;
// Alt+G, Alt+D and Alt+I open Game, Edit and View (the buttons keep their
// Alt keys, and Help, whose every letter a button has, opens with F10 and
// the arrow keys, or at once with F1).
class CBoardMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit CBoardMenuBar(CBoardDlg* board);

    // The items the menu bar adds to the window's commands.
    enum class Item { NewPuzzle, Print, PrintPuzzles, Quit, Help, Keys };
    QAction* ItemAction(Item item) const { return items_.at(item); }
    // The level Ctrl+N makes a puzzle of: the one chosen last (Ctrl+1 to
    // Ctrl+4), level 1 at first.
    Level NewPuzzleLevel() const { return level_; }
    CBoardPrinter* Printer() const { return printer_; }
    // The room it takes at the top of the window, worked out once: its
    // font does not follow the board's.
    int Height() const { return height_; }
    // Opens the first menu with its first item chosen, as F10 does; once
    // the last menu closes, the focus goes back where it was.
    void OpenFirstMenu();

private:
    QAction* AddItem(QMenu* menu, Item item, const QString& text, const QKeySequence& key);
    void ChooseLevel(Level level);
    void OnKeys();
    // As a menu opens, by F10, its Alt key or the pointer: where the focus
    // is, unless the menus have it already.
    void NoteFocus();
    // After a menu has closed: unless another is open, the focus goes
    // back to where the first menu found it, if the menus took it, so that
    // Escape from a menu always comes back to the board.
    void ReturnFocus();

    CBoardDlg* board_;
    CBoardPrinter* printer_;
    Level level_ = Level::Singles;
    QPointer<QWidget> returnTo_;
    int height_ = 0;
    std::map<Item, QAction*> items_;
};

// Gives every item of menu (and of its submenus) its key in its name, after
// a tab, where the menu shows it anyway: a screen reader then reads each
// item with its key. It stays there when the item's text changes.
void NameKeys(QMenu* menu);
