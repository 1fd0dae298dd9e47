// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_dlg.h"

#include "about_dlg.h"
#include "app_icon.h"
#include "board_menu_bar.h"
#include "board_messages.h"
#include "cell_accessible.h"
#include "cell_edit.h"
#include "cell_explanation.h"
#include "clipboard_probe.h"
#include "explanation_tip.h"
#include "guidance.h"
#include "help_dlg.h"
#include "notice.h"
#include "puzzle_job.h"
#include "push_button.h"
#include "puzzle_clipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QContextMenuEvent>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <random>
#include <utility>

namespace {

struct ButtonPlace {
    CBoardDlg::ButtonId id;
    const char* caption;
    int x;
    int y;
    void (CBoardDlg::*handler)();
};

// In tab order.
constexpr ButtonPlace kButtons[] = {
    {CBoardDlg::IdSolve, QT_TRANSLATE_NOOP("CBoardDlg", "&Solve"), 142, 150, &CBoardDlg::OnSolve},
    {CBoardDlg::IdReset, QT_TRANSLATE_NOOP("CBoardDlg", "&Reset"), 46, 150, &CBoardDlg::OnReset},
    {CBoardDlg::IdClear, QT_TRANSLATE_NOOP("CBoardDlg", "Cl&ear"), 15, 150, &CBoardDlg::OnClear},
    {CBoardDlg::IdSet, QT_TRANSLATE_NOOP("CBoardDlg", "Se&t"), 77, 150, &CBoardDlg::OnSet},
    {CBoardDlg::IdPass, QT_TRANSLATE_NOOP("CBoardDlg", "&Pass"), 111, 150, &CBoardDlg::OnPass},
    {CBoardDlg::IdSave, QT_TRANSLATE_NOOP("CBoardDlg", "Sa&ve"), 77, 166, &CBoardDlg::OnSave},
    {CBoardDlg::IdLoad, QT_TRANSLATE_NOOP("CBoardDlg", "&Load"), 46, 166, &CBoardDlg::OnLoad},
    {CBoardDlg::IdCell, QT_TRANSLATE_NOOP("CBoardDlg", "&Cell"), 142, 166, &CBoardDlg::OnCellStep},
    {CBoardDlg::IdStart, QT_TRANSLATE_NOOP("CBoardDlg", "St&art"), 111, 166, &CBoardDlg::OnStart},
    {CBoardDlg::IdHelp, QT_TRANSLATE_NOOP("CBoardDlg", "&Help"), 15, 166, &CBoardDlg::OnHelp},
};
// Why a paste took nothing from the clipboard.
QString NotPasted(CClipboardText::Outcome outcome)
{
    switch (outcome) {
    case CClipboardText::Outcome::Silent:
        return CBoardDlg::tr("Not pasted: the program that holds the clipboard does not answer");
    case CClipboardText::Outcome::TooLong:
        return CBoardDlg::tr("Not pasted: the clipboard's text is too long to be a puzzle");
    default: return CBoardDlg::tr("Not pasted: the clipboard holds no text");
    }
}

// What typing left in a cell, read as a value: a single digit gives that
// digit, anything else 0.
int ValueOfText(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9') ? text[0].unicode() - '0' : 0;
}

} // namespace

CBoardDlg::CBoardDlg(CFileSystem& fs, QWidget* parent)
    : CDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      board_(fs), zoom_([] {
          QFont base(QStringLiteral("Courier New"), 12);
          base.setStyleHint(QFont::TypeWriter);
          return base;
      }())
{
    setWindowTitle(tr("Zifrel"));
    setWindowIcon(ZifrelIcon());

    CCellAccessible::Install();
    CreateCells();
    CreateButtons();
    CreateWindowMenu();
    menuBar_ = new CBoardMenuBar(this);
    // Never smaller than the board at its normal size; as large as last time.
    setMinimumSize(WindowSizeAt(CBoardZoom::kScales[0]));
    resize(CBoardZoom::KeptSize().expandedTo(minimumSize()).boundedTo(screen()->availableGeometry().size()));
    LayOut();
    board_.SetDisplay(this);
    board_.OnClear();
    board_.OnStart();
    tip_ = new CExplanationTip(this);
    notice_ = new CNotice(this);
    puzzleJob_ = new CPuzzleJob(this);
    connect(puzzleJob_, &CPuzzleJob::made, this, &CBoardDlg::TakeNewPuzzle);
    checkJob_ = new CCheckJob(this);
    connect(checkJob_, &CCheckJob::checked, this, &CBoardDlg::TakeCheck);
    announcer_ = new CAnnouncer(this);
    connect(tip_, &CExplanationTip::hidden, this, [this] {
        explainedCell_ = -1;
        tipShowsHint_ = false;
        for (CCellEdit* cell : cells_)
            cell->SetCited(QString());
    });
    connect(tip_, &CExplanationTip::dismissed, this, &CBoardDlg::EndHint);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this)
            ShowSameDigit();
    });
    setAcceptDrops(true);
    cells_[0]->setFocus();
}

CBoardDlg::~CBoardDlg()
{
    // While the widgets below go, the focus moves and an open tip hides:
    // nothing of this window, gone by then, may hear of it.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(tip_, nullptr, this, nullptr);
    EndCheck();
    board_.SetDisplay(nullptr);
}

void CBoardDlg::OnCellsChanged(const CCellSet& cells)
{
    cells.ForEach(
        [this](int i) { cells_[static_cast<std::size_t>(i)]->Show(board_.Working()[static_cast<std::size_t>(i)]); });
    // A digit placed or taken away changes which pencil marks beside it are
    // left behind.
    const CellMasks leftBehind = LeftBehindMarks(board_.Working());
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i]->SetLeftBehind(leftBehind[i]);
}

int CBoardDlg::MenuBarHeight() const { return menuBar_->Height(); }

QSize CBoardDlg::WindowSizeAt(double scale) const { return zoom_.WindowSize(scale) + QSize(0, MenuBarHeight()); }

void CBoardDlg::LayOut()
{
    setFont(zoom_.WindowFont());
    const int top = MenuBarHeight();
    menuBar_->setGeometry(0, 0, width(), top);
    const QSize board = zoom_.WindowSize();
    zoom_.SetOrigin({(width() - board.width()) / 2, top + (height() - top - board.height()) / 2});
    laidOutFor_ = size();
    for (int row = 0; row < kBoardSize; ++row)
        for (int column = 0; column < kBoardSize; ++column) {
            CCellEdit* cell = CellControl(row, column);
            cell->setGeometry(zoom_.CellRect(row, column));
            cell->SetFonts(zoom_.ValueFont(), zoom_.CandidateFont());
            cell->SetZoom(zoom_.Scale());
        }
    for (const ButtonPlace& place : kButtons)
        buttons_[place.id]->setGeometry(zoom_.ButtonRect(place.x, place.y));
}

bool CBoardDlg::Fits(double scale) const
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize size = WindowSizeAt(scale).grownBy(frame);
    const QSize room = screen()->availableGeometry().size();
    return size.width() <= room.width() && size.height() <= room.height();
}

void CBoardDlg::SetScale(double scale)
{
    notice_->hide();
    tip_->hide();
    if (scale != zoom_.Scale()) {
        zoom_.SetScale(scale);
        ScaleMessages();
        // A maximised window keeps its size: the board grows within it.
        if (isMaximized() || isFullScreen())
            LayOut();
        else
            resize(WindowSizeAt(scale));
        Centre();
    }
    Announce(tr("Size %1%").arg(qRound(zoom_.Scale() * 100)));
}

void CBoardDlg::resizeEvent(QResizeEvent* event)
{
    CDialog::resizeEvent(event);
    const double fit = zoom_.FitScale(size() - QSize(0, MenuBarHeight()));
    // A window sized for the scale it has keeps it exactly.
    if (zoom_.WindowSize(fit) != zoom_.WindowSize()) {
        notice_->hide();
        tip_->hide();
        zoom_.SetScale(fit);
        ScaleMessages();
    } else if (size() == laidOutFor_) {
        return;
    }
    LayOut();
}

// Explanations and messages grow with the board.
void CBoardDlg::ScaleMessages()
{
    QFont tipFont = QToolTip::font();
    tipFont.setPointSizeF(tipFont.pointSizeF() * zoom_.Scale());
    tip_->setFont(tipFont);
    notice_->setFont(tipFont);
}

void CBoardDlg::done(int result)
{
    CBoardZoom::KeepSize(isMaximized() || isFullScreen() ? normalGeometry().size() : size());
    CDialog::done(result);
}

void CBoardDlg::OnLarger()
{
    const double larger = zoom_.Larger();
    if (larger == 0)
        return;
    if (Fits(larger))
        SetScale(larger);
    else
        Tell(tr("The board is as large as the screen allows (%1%)").arg(qRound(zoom_.Scale() * 100)));
}

void CBoardDlg::OnSmaller() { SetScale(zoom_.Smaller()); }

void CBoardDlg::OnNormalSize() { SetScale(CBoardZoom::kScales[0]); }

void CBoardDlg::CreateCells()
{
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            auto* cell = new CCellEdit(this);
            connect(cell, &CCellEdit::focusGained, this, [this, row, column] { OnCellFocus(row, column); });
            connect(cell, &CCellEdit::userEdited, this, [this, row, column] { OnCellChange(row, column); });
            connect(cell, &CCellEdit::moveFocusRequested, this, &CBoardDlg::OnMoveFocus);
            connect(cell, &CCellEdit::explainRequested, this, [this, row, column] { OnExplain(row, column); });
            connect(cell, &CCellEdit::puzzlePasted, this, [this](const QString& text) {
                if (const auto values = ParsePuzzleText(text.toStdString()); values && MayReplaceBoard())
                    TakePuzzle(Arrival::Paste, *values);
            });
            connect(cell, &CCellEdit::pasteRefused, this,
                    [this](CClipboardText::Outcome outcome) { Tell(NotPasted(outcome)); });
            connect(cell, &CCellEdit::pointerLeft, this, [this, row, column] {
                if (explainedCell_ == CellIndex(row, column) && !tip_->isHidden())
                    tip_->hide();
            });
            CCellAccessible::Describe(
                cell,
                {[this]() -> const Grid& { return board_.Working(); }, CellIndex(row, column),
                 [this, row, column] { return hint_.Cell() == CellIndex(row, column) ? hint_.Here() : QString(); }});
            cell->SetExplainer(
                [this, row, column] { return Explain(board_.Working(), CellIndex(row, column)).Text(); });
            cells_[CellIndex(row, column)] = cell;
        }
    }
}

void CBoardDlg::CreateButtons()
{
    for (const ButtonPlace& place : kButtons) {
        auto* button = new CPushButton(tr(place.caption), this);
        button->setAutoDefault(false);
        // Every command ends a check under way.
        connect(button, &QPushButton::clicked, this, &CBoardDlg::EndCheck);
        connect(button, &QPushButton::clicked, this, place.handler);
        buttons_[place.id] = button;
    }
}

void CBoardDlg::CreateWindowMenu()
{
    windowMenu_ = new QMenu(this);
    windowMenu_->addAction(tr("Mi&nimize"), this, &QWidget::showMinimized);
    windowMenu_->addAction(tr("&Close"), this, &QWidget::close);
    windowMenu_->addSeparator();
    // The board's own commands. Their keys work anywhere in the window, so
    // they are the window's actions too; a cell keeps Ctrl+C and Ctrl+V.
    const auto add = [this](Action which, const QString& text, const QList<QKeySequence>& keys,
                            void (CBoardDlg::*handler)()) {
        QAction* action = windowMenu_->addAction(text, this, handler);
        action->setShortcuts(keys);
        addAction(action);
        actions_[which] = action;
    };
    add(Action::Undo, tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &CBoardDlg::OnUndo);
    add(Action::Redo, tr("&Redo"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        &CBoardDlg::OnRedo);
    windowMenu_->addSeparator();
    add(Action::CopyPuzzle, tr("Copy Puzzle"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        &CBoardDlg::OnCopyPuzzle);
    add(Action::PastePuzzle, tr("Paste Puzzle"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
        &CBoardDlg::OnPastePuzzle);
    QMenu* newPuzzle = windowMenu_->addMenu(tr("Ne&w Puzzle"));
    const std::pair<Level, QString> levels[] = {{Level::Singles, tr("Level &1: Singles (naked and hidden singles)")},
                                                {Level::BoxAndLine, tr("Level &2: Box and Line (pointing)")},
                                                {Level::Pairs, tr("Level &3: Pairs (naked pairs)")},
                                                {Level::BeyondTheRules, tr("Level &4: Beyond the Rules")}};
    for (int k = 0; k < 4; ++k) {
        const Level level = levels[k].first;
        QAction* action = newPuzzle->addAction(levels[k].second, this, [this, level] { OnNewPuzzle(level); });
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + k)));
        addAction(action);
    }
    add(Action::CheckPuzzle, tr("Chec&k Puzzle"), {QKeySequence(Qt::CTRL | Qt::Key_K)}, &CBoardDlg::OnCheckPuzzle);
    windowMenu_->addSeparator();
    add(Action::Hint, tr("&Hint"), {QKeySequence(Qt::CTRL | Qt::Key_H)}, &CBoardDlg::OnHint);
    add(Action::GoToHint, tr("&Go to the Hinted Cell"), {QKeySequence(Qt::CTRL | Qt::Key_J)}, &CBoardDlg::OnGoToHint);
    windowMenu_->addSeparator();
    add(Action::Larger, tr("&Larger"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
        &CBoardDlg::OnLarger);
    add(Action::Smaller, tr("S&maller"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &CBoardDlg::OnSmaller);
    add(Action::NormalSize, tr("Normal &Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &CBoardDlg::OnNormalSize);
    // A command on the board ends a check under way; the sizes and Copy
    // Puzzle leave it be.
    for (const Action action : {Action::Undo, Action::Redo, Action::PastePuzzle, Action::Hint})
        connect(actions_[action], &QAction::triggered, this, &CBoardDlg::EndCheck);
    windowMenu_->addSeparator();
    windowMenu_->addAction(tr("&About Zifrel..."), this, &CBoardDlg::OnAbout);
    // A new owner of the clipboard is given its chance to answer.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CClipboardProbe::Forget);
    UpdateMenuActions();
    // Alt+Space is the window manager's on most desktops, so the menu also
    // opens with the keys that open a context menu anywhere: Menu and
    // Shift+F10.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &CBoardDlg::OpenWindowMenu);
    }
}

QAction* CBoardDlg::MenuAction(Action action) const { return actions_.at(action); }

template <typename Command>
CBoardDlg::CStep CBoardDlg::Change(const QString& name, Command command)
{
    notice_->hide();
    EndJobs();
    CStep step{board_.State(), {}};
    command();
    step.after = board_.State();
    history_.Record(name.toStdString(), step.before, step.after);
    UpdateMenuActions();
    AfterBoardChange();
    return step;
}

void CBoardDlg::AfterBoardChange()
{
    const Conflicts conflicts = FindConflicts(board_.Working());
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i]->SetConflicting(conflicts[i].Any());
    news_.After(board_.Working(), conflicts);
    solved_.After(board_.WorkingValues(), Contradicts(conflicts));
    if (!solved_.News().isEmpty())
        notice_->Show(solved_.News());
    EndHint();
    ShowSameDigit();
}

void CBoardDlg::ShowSameDigit()
{
    const QWidget* focus = focusWidget();
    const auto focused = std::find(cells_.begin(), cells_.end(), focus);
    const int digit = focused != cells_.end() ? (*focused)->ShownDigit() : 0;
    for (CCellEdit* cell : cells_)
        cell->SetSameDigit(cell == focus ? 0 : digit);
}

void CBoardDlg::EndHint()
{
    if (hint_.Cell() >= 0)
        cells_[static_cast<std::size_t>(hint_.Cell())]->SetHinted(false);
    hint_.End();
    if (tipShowsHint_)
        tip_->hide();
}

void CBoardDlg::OnHint() { Announce(PressHint(false)); }

QString CBoardDlg::PressHint(bool move)
{
    notice_->hide();
    const int was = hint_.Cell();
    const bool retold = hint_.Told();
    const CHintGuide::CShown shown = hint_.Press(board_.Working());
    if (was >= 0)
        cells_[static_cast<std::size_t>(was)]->SetHinted(false);
    if (tipShowsHint_)
        tip_->hide();
    if (hint_.Cell() >= 0)
        cells_[static_cast<std::size_t>(hint_.Cell())]->SetHinted(true);
    // Before the tip shows: a change of focus closes it.
    if (move && shown.cell >= 0)
        cells_[static_cast<std::size_t>(shown.cell)]->setFocus(Qt::ShortcutFocusReason);
    ShowTip(shown.explanation, shown.cell);
    tipShowsHint_ = true;
    // Heard: where to look, then the digit; the reasons when pressed again.
    const CExplanation& said = shown.explanation;
    return retold || said.lines.empty() ? said.title + QLatin1Char('\n') + said.Text() : said.lines.front().text;
}

// A screen reader arriving on the cell the hint points at hears the hint
// there, in the cell's description: the press that points is not also
// announced then.
void CBoardDlg::OnGoToHint()
{
    if (const int cell = hint_.Shown(); cell >= 0) {
        cells_[static_cast<std::size_t>(cell)]->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    const int focused = static_cast<int>(std::find(cells_.begin(), cells_.end(), focusWidget()) - cells_.begin());
    const QString said = PressHint(true);
    if (hint_.Cell() < 0 || hint_.Cell() == focused)
        Announce(said);
}

void CBoardDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape ends a hint before it closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && hint_.Active()) {
        EndHint();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CBoardDlg::OnClear()
{
    Change(tr("Clear"), [this] {
        board_.OnClear();
        solved_.Arrived(board_.WorkingValues());
    });
    Announce(tr("Clear: the board is empty"));
}

void CBoardDlg::OnSet()
{
    Values shown = board_.WorkingValues();
    for (std::size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i]->ShowsTyping())
            shown[i] = ValueOfText(cells_[i]->Text());
    const CStep step = Change(tr("Set"), [&] {
        board_.OnSet(shown);
        solved_.Arrived(board_.WorkingValues());
    });
    Announce([kept = CountChange(step.before, step.after).givens] {
        return tr("Set: %n digits kept for Reset", nullptr, kept);
    });
}

void CBoardDlg::OnReset()
{
    const CStep step = Change(tr("Reset"), [this] { board_.OnReset(); });
    Announce([change = CountChange(step.before, step.after)] { return BoardSentence(Arrival::Reset, change); });
}

void CBoardDlg::OnPass()
{
    const CStep step = Change(tr("Pass"), [this] { board_.OnPass(); });
    TellContradiction();
    Announce([change = CountChange(step.before, step.after)] { return PassSentence(change); });
}

void CBoardDlg::OnSolve()
{
    int sweeps = 0;
    const CStep step = Change(tr("Solve"), [&] { sweeps = board_.OnSolve(); });
    TellContradiction();
    Announce([sweeps, change = CountChange(step.before, step.after)] { return SolveSentence(sweeps, change); });
}

void CBoardDlg::OnCellStep()
{
    const CStep step = Change(tr("Cell"), [this] { board_.OnCellStep(); });
    TellContradiction();
    const auto index = static_cast<std::size_t>(CellIndex(board_.CursorRow(), board_.CursorColumn()));
    Announce([index, was = step.before.working[index], is = step.after.working[index]] {
        return CellSentence(static_cast<int>(index), was, is);
    });
}

void CBoardDlg::OnStart()
{
    notice_->hide();
    board_.OnStart();
    Announce(tr("Start: the next Cell works on row 1, column 1"));
}

void CBoardDlg::OnLoad()
{
    CBoard::CLoadResult loaded;
    const CStep step = Change(tr("Load"), [&] {
        loaded = board_.OnLoad();
        if (loaded)
            solved_.Arrived(board_.WorkingValues());
    });
    if (!loaded) {
        Tell(LoadFailure(PuzzleFilePath(), loaded));
        return;
    }
    Announce([change = CountChange(step.before, step.after)] {
        return BoardSentence(Arrival::Load, change, QString::fromLatin1(CBoard::kPuzzleFileName));
    });
}

void CBoardDlg::OnSave()
{
    notice_->hide();
    if (Save())
        Announce(tr("Saved %1").arg(QString::fromLatin1(CBoard::kPuzzleFileName)));
}

bool CBoardDlg::Save()
{
    if (const CFileResult saved = board_.OnSave(); !saved) {
        Tell(SaveFailure(PuzzleFilePath(), saved));
        return false;
    }
    return true;
}

void CBoardDlg::OnUndo()
{
    const QString name = QString::fromStdString(history_.UndoName());
    if (!history_.Undo(board_))
        return;
    EndJobs();
    notice_->hide();
    UpdateMenuActions();
    AfterBoardChange();
    Announce(tr("Undo %1").arg(name));
}

void CBoardDlg::OnRedo()
{
    const QString name = QString::fromStdString(history_.RedoName());
    if (!history_.Redo(board_))
        return;
    EndJobs();
    notice_->hide();
    UpdateMenuActions();
    AfterBoardChange();
    Announce(tr("Redo %1").arg(name));
}

void CBoardDlg::OnCopyPuzzle()
{
    QApplication::clipboard()->setMimeData(PuzzleData(board_.WorkingValues()));
    Announce(tr("Copy Puzzle: the board is on the clipboard"));
}

void CBoardDlg::OnPastePuzzle()
{
    const CClipboardText read = ReadClipboardText();
    if (read.outcome != CClipboardText::Outcome::Read) {
        Tell(NotPasted(read.outcome));
        return;
    }
    CPasteRefusal why;
    if (const auto values = ParsePuzzleText(read.text.toStdString(), &why)) {
        if (MayReplaceBoard())
            TakePuzzle(Arrival::Paste, *values);
    } else {
        Tell(PasteRefusal(why));
    }
}

void CBoardDlg::OnNewPuzzle(Level level)
{
    EndCheck();
    if (!MayReplaceBoard())
        return;
    std::random_device entropy;
    const std::uint64_t seed = (std::uint64_t{entropy()} << 32 | entropy())
        ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    puzzleJob_->Make(seed, level);
    announcer_->AnnounceUnderWay(tr("Making a new puzzle: %1").arg(LevelWords(level)));
}

// As Paste takes one, then as Set captures it: one step to undo.
void CBoardDlg::TakeNewPuzzle(const Values& values, Level level)
{
    if (close_.Asking()) {
        waitingPuzzle_.emplace(values, level);
        return;
    }
    const CStep step = Change(tr("New Puzzle"), [&] {
        board_.LoadValues(values);
        board_.OnSet();
        solved_.Arrived(values);
    });
    Announce([level, change = CountChange(step.before, step.after)] {
        return BoardSentence(Arrival::NewPuzzle, change, LevelWords(level));
    });
}

void CBoardDlg::OnCheckPuzzle()
{
    EndCheck();
    // Pressed again on the same board: the entries that differ, outlined.
    if (const auto differing = entryReview_.Outline(board_.Working())) {
        notice_->hide();
        ShowTip(*differing, -1);
        Announce(differing->title + QLatin1Char('\n') + differing->Text());
        return;
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
    checkJob_->Check(board_.WorkingValues());
    const QString counting = tr("Check Puzzle: counting the solutions of the digits on the board…");
    notice_->Show(counting);
    announcer_->AnnounceUnderWay(counting);
}

void CBoardDlg::TakeCheck(const CPuzzleCheck& check, const Values& values)
{
    QApplication::restoreOverrideCursor();
    Tell(entryReview_.Tell(CheckSentence(check, values), board_.Working()));
}

void CBoardDlg::EndCheck()
{
    if (!checkJob_->Busy())
        return;
    checkJob_->Cancel();
    QApplication::restoreOverrideCursor();
}

void CBoardDlg::EndJobs()
{
    EndCheck();
    puzzleJob_->Cancel();
}

// Shown only: the command's own announcement that follows carries it.
void CBoardDlg::TellContradiction()
{
    if (news_.Pending())
        notice_->Show(ContradictionSentence(board_.Working(), FindConflicts(board_.Working())));
}

// As Load takes one: every cell through SetValue, snapshot and cursor kept.
void CBoardDlg::TakePuzzle(Arrival how, const Values& values)
{
    const CStep step = Change(ArrivalName(how), [&] {
        board_.LoadValues(values);
        solved_.Arrived(values);
    });
    Announce([how, change = CountChange(step.before, step.after)] { return BoardSentence(how, change); });
}

void CBoardDlg::Tell(const QString& message)
{
    notice_->Show(message);
    Announce(message);
}

void CBoardDlg::Announce(const QString& sentence)
{
    Announce([sentence] { return sentence; });
}

void CBoardDlg::Announce(std::function<QString()> sentence)
{
    // A change that made the board contradict itself says so too.
    announcer_->Announce(news_.With(solved_.With(std::move(sentence))));
}

QString CBoardDlg::PuzzleFilePath() const
{
    return QDir::current().absoluteFilePath(QString::fromLatin1(CBoard::kPuzzleFileName));
}

void CBoardDlg::reject()
{
    if (HasUnsavedChanges()) {
        switch (AskAboutBoard(CCloseQuestion::Moment::Closing)) {
        case CCloseQuestion::Answer::Save:
            if (!Save())
                return;
            break;
        case CCloseQuestion::Answer::Discard: break;
        case CCloseQuestion::Answer::Stay: return;
        }
    }
    // Closing ends what is still being worked out for the board.
    EndJobs();
    CDialog::reject();
}

CCloseQuestion::Answer CBoardDlg::AskAboutBoard(CCloseQuestion::Moment moment)
{
    const CCloseQuestion::Answer answer = close_.Ask(this, moment, PuzzleFilePath());
    const auto waiting = std::exchange(waitingPuzzle_, std::nullopt);
    if (answer == CCloseQuestion::Answer::Stay && waiting)
        TakeNewPuzzle(waiting->first, waiting->second);
    return answer;
}

bool CBoardDlg::MayReplaceBoard()
{
    if (!HasUnsavedChanges())
        return true;
    switch (AskAboutBoard(CCloseQuestion::Moment::Replacing)) {
    case CCloseQuestion::Answer::Save: return Save();
    case CCloseQuestion::Answer::Discard: return true;
    case CCloseQuestion::Answer::Stay: break;
    }
    return false;
}

void CBoardDlg::UpdateMenuActions()
{
    // Only a name that changes is set: each new text is told to the menu,
    // which adds the key after a tab and so sets it once more.
    const auto name = [](QAction* action, const QString& text) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != text)
            action->setText(text);
    };
    const QString undo = QString::fromStdString(history_.UndoName());
    const QString redo = QString::fromStdString(history_.RedoName());
    //: %1 the command that would be undone, as "Pass".
    name(actions_[Action::Undo], undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
    actions_[Action::Undo]->setEnabled(history_.CanUndo());
    //: %1 the command that would be done again, as "Pass".
    name(actions_[Action::Redo], redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
    actions_[Action::Redo]->setEnabled(history_.CanRedo());
}

// What is dragged is read once, as it enters (a dropped file is read
// then), not again for every move of the pointer.
void CBoardDlg::dragEnterEvent(QDragEnterEvent* event)
{
    dragged_ = PuzzleIn(event->mimeData());
    if (dragged_)
        event->acceptProposedAction();
}

void CBoardDlg::dragMoveEvent(QDragMoveEvent* event)
{
    if (dragged_)
        event->acceptProposedAction();
}

void CBoardDlg::dragLeaveEvent(QDragLeaveEvent*) { dragged_.reset(); }

void CBoardDlg::dropEvent(QDropEvent* event)
{
    if (const auto values = std::exchange(dragged_, std::nullopt)) {
        TakePuzzle(Arrival::Drop, *values);
        event->acceptProposedAction();
    }
}

void CBoardDlg::OnExplain(int row, int column)
{
    const int index = CellIndex(row, column);
    CExplanation explanation = Explain(board_.Working(), index);
    tip_->hide();
    if (explanation.lines.empty())
        explanation.lines.push_back(
            {tr("Nothing is ruled out here yet: Pass works out the digits still possible"), QChar(), {}});
    ShowTip(explanation, index);
    explainedCell_ = index;
    Announce(explanation.title + QLatin1Char('\n') + explanation.Text());
}

void CBoardDlg::ShowTip(const CExplanation& explanation, int cell)
{
    tip_->hide();
    // The tip covers neither the cell nor any cell it cites.
    const auto onScreen = [](const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    };
    std::vector<QRect> keepClear;
    if (cell >= 0)
        keepClear.push_back(onScreen(cells_[static_cast<std::size_t>(cell)]));
    for (int i = 0; i < kCellCount; ++i) {
        CCellEdit* cited = cells_[static_cast<std::size_t>(i)];
        cited->SetCited(explanation.marks[static_cast<std::size_t>(i)]);
        if (cited->IsCited())
            keepClear.push_back(onScreen(cited));
    }
    tip_->ShowExplanation(explanation, this, keepClear);
}

void CBoardDlg::OpenWindowMenu()
{
    if (!windowMenu_->isVisible())
        windowMenu_->popup(mapToGlobal(QPoint(0, 0)));
}

void CBoardDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // The Menu key is taken as a shortcut above, wherever the focus is.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        OpenWindowMenu();
        return;
    }
    if (qobject_cast<QPushButton*>(childAt(event->pos())))
        return;
    windowMenu_->popup(event->globalPos());
}

void CBoardDlg::OnHelp()
{
    CHelpDlg help(this);
    help.exec();
}

void CBoardDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CBoardDlg::OnCellFocus(int row, int column) { CellControl(row, column)->SelectAll(); }

// Two characters are a digit typed beside another: the rightmost wins. A
// single character is taken over (a digit as itself, anything else as 0);
// any other text stays shown while the cell keeps its value.
void CBoardDlg::OnCellChange(int row, int column)
{
    CCellEdit* control = CellControl(row, column);
    QString text = control->Text();
    if (text.size() == 2)
        text = text.right(1);
    control->SelectAll();
    if (text.size() == 1)
        Change(tr("Typing"), [&] { board_.SetValue(row, column, ValueOfText(text)); });
    // A digit deleted without a change to the board is no longer shown.
    ShowSameDigit();
    if (news_.Pending() || !solved_.News().isEmpty())
        Announce(QString());
}

void CBoardDlg::OnMoveFocus(int columnStep, int rowStep)
{
    int row = 0;
    int column = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (cells_[i]->hasFocus()) {
            row = i / kBoardSize;
            column = i % kBoardSize;
        }
    }
    const auto wrap = [](int position) {
        return position >= kBoardSize ? 0 : position < 0 ? kBoardSize - 1 : position;
    };
    CellControl(wrap(row + rowStep), wrap(column + columnStep))->setFocus(Qt::OtherFocusReason);
}
