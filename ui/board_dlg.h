// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "board.h"
#include "board_messages.h"
#include "board_zoom.h"
#include "close_question.h"
#include "contradiction_news.h"
#include "entry_review.h"
#include "dialog.h"
#include "hint_guide.h"
#include "history.h"
#include "puzzle_maker.h"
#include "solved_news.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <map>
#include <optional>

class CAnnouncer;
class CBoardMenuBar;
class CCellEdit;
class CCheckJob;
struct CExplanation;
class CExplanationTip;
class CNotice;
class CPuzzleJob;
class QAction;
class QMenu;
class QPushButton;

// The board window: 81 cells and ten buttons, each button running one
// command of the board it owns. The cells show the working grid: the board
// tells the window which cells each command changed, and the window has
// those cells show them again. Typing a digit into one sets that cell, and
// the arrow keys move between cells. Every change to the board can be
// undone and redone, and a puzzle can come in and go out by the clipboard
// or be dropped on the window.
class CBoardDlg : public CDialog, private CBoardDisplay {
    Q_OBJECT

public:
    // The buttons, by the identifiers the layout gives them.
    enum ButtonId {
        IdSolve = 1082,
        IdReset = 1083,
        IdClear = 1084,
        IdSet = 1085,
        IdPass = 1086,
        IdSave = 1087,
        IdLoad = 1088,
        IdCell = 1091,
        IdStart = 1092,
        IdHelp = 1093,
    };

    explicit CBoardDlg(CFileSystem& fs = CFileSystem::System(), QWidget* parent = nullptr);
    ~CBoardDlg() override;

    CBoard& Board() { return board_; }
    CCellEdit* CellControl(int row, int column) const { return cells_[CellIndex(row, column)]; }
    QPushButton* Button(ButtonId id) const { return buttons_.at(id); }
    // The window's own menu: Minimize, Close, Undo, Redo, Copy Puzzle,
    // Paste Puzzle, New Puzzle, Check Puzzle, Hint, Go to the Hinted Cell,
    // the sizes and About.
    QMenu* WindowMenu() const { return windowMenu_; }
    enum class Action { Undo, Redo, CopyPuzzle, PastePuzzle, CheckPuzzle, Larger, Smaller, NormalSize, Hint, GoToHint };
    QAction* MenuAction(Action action) const;
    const CHistory& History() const { return history_; }
    const QFont& ValueFont() const { return zoom_.ValueFont(); }
    const QFont& CandidateFont() const { return zoom_.CandidateFont(); }

    // The buttons' commands; all but Start and Save can be undone.
    void OnClear();
    // Set takes what each cell shows: its digit, or where typing left
    // another text, that text read as a value.
    void OnSet();
    void OnReset();
    void OnPass();
    void OnSolve();
    void OnCellStep();
    void OnStart();
    void OnLoad();
    void OnSave();
    void OnUndo();
    void OnPastePuzzle();
    // Starts a new puzzle of level (Singles to BeyondTheRules), made on a
    // worker thread; it arrives as a paste does, and as Set captures it,
    // so that Reset brings it back. A later request replaces an earlier one.
    void OnNewPuzzle(Level level);
    // Tells in one sentence whether the board's digits have no solution,
    // one or more, and at which level Zifrel's rules finish it. Counted on
    // a worker thread: meanwhile the window answers, says it is working,
    // and the next command, or closing, cancels the check.
    void OnCheckPuzzle();
    void OnHelp();
    // Ctrl+H and the menu's Hint (see CHintGuide).
    void OnHint();
    // The cell the hint points at, or -1.
    int HintedCell() const { return hint_.Cell(); }
    // Ctrl+J: moves the focus to the cell the hint is about, pressing the
    // hint first if none shows, so that a hint, this and a digit fill a cell.
    void OnGoToHint();
    // Enlarge the whole window, cells, fonts and buttons, by a step (see
    // CBoardZoom); it stays centred and grows only as far as the screen
    // holds it. The size lasts as long as the window.
    void OnLarger();
    double Scale() const { return zoom_.Scale(); }
    // Where the board (its cells and buttons) stands in the window: below
    // the menu bar, in the middle of the room the window gives it.
    QRect BoardRect() const { return {zoom_.Origin(), zoom_.WindowSize()}; }
    CBoardMenuBar* MenuBar() const { return menuBar_; }

    // Shows why the cell stands as it does, beside the window or where it
    // covers neither the cell nor any cell it cites, and outlines those
    // cells, each with the marks of the lines that cite it, while it shows.
    // Placed the same whether asked for by the pointer or the keyboard.
    void OnExplain(int row, int column);
    CExplanationTip* ExplanationTip() const { return tip_; }
    // The short message by the board, and what screen readers were last told.
    CNotice* Notice() const { return notice_; }
    const CAnnouncer* Announcer() const { return announcer_; }
    // True when the board holds digits that the puzzle file, as it is now,
    // does not hold as they stand.
    bool HasUnsavedChanges() const { return CCloseQuestion::Unsaved(board_.WorkingValues(), board_.FileValues()); }

    // Escape, the window menu's Close, the title bar's close button and the
    // window manager all end here: a board with unsaved changes asks first
    // whether to save them, close without saving, or go back. New Puzzle
    // and Paste ask the same before they replace them.
    void reject() override;
    // Keeps the window's size for the next start.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The board takes the largest scale that fits the window.
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The board changed cells: each shows what it holds now.
    void OnCellsChanged(const CCellSet& cells) override;

    void CreateCells();
    void CreateButtons();
    void CreateWindowMenu();
    // Places the menu bar, and the board in the middle of the room below
    // it, every control and font at the zoom's scale.
    void LayOut();
    // The room the menu bar takes at the top.
    int MenuBarHeight() const;
    // The window's size for the board at scale.
    QSize WindowSizeAt(double scale) const;
    // The window's frame at scale fits on its screen.
    bool Fits(double scale) const;
    void SetScale(double scale);
    void ScaleMessages();
    void OnSmaller();
    void OnNormalSize();
    void OnRedo();
    void OnCopyPuzzle();
    void OnAbout();
    // Opens the window menu at the window's top left, unless it is open.
    void OpenWindowMenu();
    // The whole text of a cell is selected when it gains the focus.
    void OnCellFocus(int row, int column);
    // Takes over what the user typed into a cell.
    void OnCellChange(int row, int column);
    // Moves the focus from the focused cell (or the top left one) by the
    // steps, wrapping within its row and column.
    void OnMoveFocus(int columnStep, int rowStep);

    // The board before and after a command.
    struct CStep {
        CBoardState before;
        CBoardState after;
    };
    // Runs command, and keeps what it changed as a step to undo.
    template <typename Command>
    CStep Change(const QString& name, Command command);
    void UpdateMenuActions();
    // After every change to the board: marks each cell that contradicts
    // the board, highlights the focused cell's digit, and ends the hint.
    void AfterBoardChange();
    // Highlights, in every other cell, the digit the focused cell shows.
    void ShowSameDigit();
    void EndHint();
    // The hint's next press, moving the focus to the cell it is about if
    // move; returns what a screen reader hears of it.
    QString PressHint(bool move);
    // Shows explanation in the tip, outlining the cells it cites, clear of
    // cell and of them.
    void ShowTip(const CExplanation& explanation, int cell);
    void TakePuzzle(Arrival how, const Values& values);
    void TakeNewPuzzle(const Values& values, Level level);
    void TakeCheck(const CPuzzleCheck& check, const Values& values);
    // Ends a check under way, unseen.
    void EndCheck();
    // The board is about to change: a check or a new puzzle under way
    // would no longer be of the board shown.
    void EndJobs();
    // Asks the question about unsaved digits (see CCloseQuestion). A new
    // puzzle made while it is open waits for the answer, and arrives when
    // the user goes back.
    CCloseQuestion::Answer AskAboutBoard(CCloseQuestion::Moment moment);
    // Before New Puzzle or Paste replaces the board: true when no digit
    // that Save has not written would go, or the user has had them saved
    // or lets them go.
    bool MayReplaceBoard();
    // Saves, telling the user when that fails; false then.
    bool Save();
    // Tells the user, seen and heard, why something did not happen.
    void Tell(const QString& message);
    // Shows what a command just made the board contradict, as screen
    // readers hear it.
    void TellContradiction();
    // Tells screen readers what a command did; a sentence given as a
    // function is only made if someone hears it.
    void Announce(const QString& sentence);
    void Announce(std::function<QString()> sentence);
    // The puzzle file's full name, as messages show it.
    QString PuzzleFilePath() const;

    CBoard board_;
    CBoardZoom zoom_;
    std::array<CCellEdit*, kCellCount> cells_{};
    std::map<ButtonId, QPushButton*> buttons_;
    QMenu* windowMenu_ = nullptr;
    CBoardMenuBar* menuBar_ = nullptr;
    // The window's size when the board was last laid out.
    QSize laidOutFor_;
    std::map<Action, QAction*> actions_;
    CExplanationTip* tip_ = nullptr;
    CNotice* notice_ = nullptr;
    CAnnouncer* announcer_ = nullptr;
    CPuzzleJob* puzzleJob_ = nullptr;
    CCheckJob* checkJob_ = nullptr;
    // A new puzzle that arrived while the question about the board was open.
    std::optional<std::pair<Values, Level>> waitingPuzzle_;
    // The puzzle being dragged over the window, if it is one.
    std::optional<Values> dragged_;
    int explainedCell_ = -1;
    CHintGuide hint_;
    bool tipShowsHint_ = false;
    CContradictionNews news_;
    CSolvedNews solved_;
    CEntryReview entryReview_;
    CCloseQuestion close_;
    CHistory history_;
};
