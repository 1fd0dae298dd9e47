// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_dlg.h"

#include "about_dlg.h"
#include "app_icon.h"
#include "board_messages.h"
#include "cell_accessible.h"
#include "cell_edit.h"
#include "cell_explanation.h"
#include "clipboard_probe.h"
#include "explanation_tip.h"
#include "dialog_units.h"
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
#include <QMessageBox>
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

// Where the cells stand, in dialog units: within a box they are 17 units
// apart across and 14 down; between boxes the step grows to set them apart.
constexpr std::array<int, kBoardSize> kColumnX = {15, 32, 49, 69, 86, 103, 123, 140, 157};
constexpr std::array<int, kBoardSize> kRowY = {14, 28, 42, 59, 73, 87, 104, 118, 132};
constexpr int kCellWidth = 15;
constexpr int kCellHeight = 12;

struct ButtonPlace {
    CBoardDlg::ButtonId id;
    const char* caption;
    int x;
    int y;
    void (CBoardDlg::*handler)();
};

// In tab order.
constexpr ButtonPlace kButtons[] = {
    {CBoardDlg::IdSolve, "&Solve", 142, 150, &CBoardDlg::OnSolve},
    {CBoardDlg::IdReset, "&Reset", 46, 150, &CBoardDlg::OnReset},
    {CBoardDlg::IdClear, "Cl&ear", 15, 150, &CBoardDlg::OnClear},
    {CBoardDlg::IdSet, "Se&t", 77, 150, &CBoardDlg::OnSet},
    {CBoardDlg::IdPass, "&Pass", 111, 150, &CBoardDlg::OnPass},
    {CBoardDlg::IdSave, "Sa&ve", 77, 166, &CBoardDlg::OnSave},
    {CBoardDlg::IdLoad, "&Load", 46, 166, &CBoardDlg::OnLoad},
    {CBoardDlg::IdCell, "&Cell", 142, 166, &CBoardDlg::OnCellStep},
    {CBoardDlg::IdStart, "St&art", 111, 166, &CBoardDlg::OnStart},
    {CBoardDlg::IdHelp, "&Help", 15, 166, &CBoardDlg::OnHelp},
};
constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 14;

// Where the asked-for face is missing, another may stand in that is too
// large for the pencil marks at this size: then the size steps down, a
// quarter point at a time, to the largest at which the three lines fit.
void FitToCell(QFont& font, const QSize& room)
{
    const auto fits = [&room](const QFont& f) {
        const QFontMetrics metrics(f);
        return metrics.horizontalAdvance(QStringLiteral("1  2  3")) <= room.width() && 3 * metrics.height() <= room.height();
    };
    while (!fits(font) && font.pointSizeF() > 1.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
}

FontHandle HandleOf(const QFont& font)
{
    return reinterpret_cast<FontHandle>(&font);
}

} // namespace

CBoardDlg::CBoardDlg(CFileSystem& fs, QWidget* parent)
    : CDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      board_(fs)
{
    setWindowTitle(QStringLiteral("Zifrel"));
    setWindowIcon(ZifrelIcon());
    baseFont_ = QFont(QStringLiteral("Courier New"), 12);
    baseFont_.setStyleHint(QFont::TypeWriter);
    setFont(baseFont_);

    CCellAccessible::Install();
    CreateCells();
    CreateButtons();
    LayOut();
    CreateWindowMenu();
    BindCells();
    board_.OnClear();
    board_.OnStart();
    tip_ = new CExplanationTip(this);
    notice_ = new CNotice(this);
    puzzleJob_ = new CPuzzleJob(this);
    connect(puzzleJob_, &CPuzzleJob::made, this, &CBoardDlg::TakeNewPuzzle);
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
    // The cells go before the board, which still points at them.
    for (CCell& cell : board_.Working())
        cell.AttachControl(nullptr);
}

void CBoardDlg::LayOut()
{
    QFont windowFont = baseFont_;
    windowFont.setPointSizeF(baseFont_.pointSizeF() * scale_);
    setFont(windowFont);
    const CDialogUnits units(baseFont_, scale_);
    setFixedSize(units.X(188), units.Y(193));

    // The cells' fonts take the window font's face name.
    const QString face = baseFont_.family();
    valueFont_ = QFont(face);
    valueFont_.setPointSizeF(12 * scale_);
    candidateFont_ = QFont(face);
    candidateFont_.setPointSizeF(5 * scale_);
    valueFont_.setStyleHint(QFont::TypeWriter);
    candidateFont_.setStyleHint(QFont::TypeWriter);
    FitToCell(candidateFont_, units.Rect(0, 0, kCellWidth, kCellHeight).size() - QSize(2, 2));

    for (int row = 0; row < kBoardSize; ++row)
        for (int column = 0; column < kBoardSize; ++column) {
            CCellEdit* cell = CellControl(row, column);
            cell->setGeometry(units.Rect(kColumnX[column], kRowY[row], kCellWidth, kCellHeight));
            cell->FontChanged();
        }
    for (const ButtonPlace& place : kButtons)
        buttons_[place.id]->setGeometry(units.Rect(place.x, place.y, kButtonWidth, kButtonHeight));
}

bool CBoardDlg::Fits(double scale) const
{
    const CDialogUnits units(baseFont_, scale);
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize size = QSize(units.X(188), units.Y(193)).grownBy(frame);
    const QSize room = screen()->availableGeometry().size();
    return size.width() <= room.width() && size.height() <= room.height();
}

void CBoardDlg::SetScale(double scale)
{
    notice_->hide();
    tip_->hide();
    if (scale != scale_) {
        scale_ = scale;
        LayOut();
        // Explanations and messages grow with the board.
        QFont tipFont = QToolTip::font();
        tipFont.setPointSizeF(tipFont.pointSizeF() * scale_);
        tip_->setFont(tipFont);
        notice_->setFont(tipFont);
        Centre();
    }
    Announce(tr("Size %1%").arg(qRound(scale_ * 100)));
}

void CBoardDlg::OnLarger()
{
    for (const double scale : kScales)
        if (scale > scale_ + 1e-9) {
            if (Fits(scale))
                SetScale(scale);
            else
                Tell(tr("The board is as large as the screen allows (%1%)").arg(qRound(scale_ * 100)));
            return;
        }
}

void CBoardDlg::OnSmaller()
{
    double smaller = kScales[0];
    for (const double scale : kScales)
        if (scale < scale_ - 1e-9)
            smaller = scale;
    SetScale(smaller);
}

void CBoardDlg::OnNormalSize()
{
    SetScale(kScales[0]);
}

void CBoardDlg::CreateCells()
{
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            auto* cell = new CCellEdit(this);
            cell->setAccessibleName(tr("Row %1, column %2").arg(row + 1).arg(column + 1));
            connect(cell, &CCellEdit::focusGained, this, [this, row, column] { OnCellFocus(row, column); });
            connect(cell, &CCellEdit::userEdited, this, [this, row, column] { OnCellChange(row, column); });
            connect(cell, &CCellEdit::moveFocusRequested, this, &CBoardDlg::OnMoveFocus);
            connect(cell, &CCellEdit::explainRequested, this, [this, row, column] { OnExplain(row, column); });
            connect(cell, &CCellEdit::puzzlePasted, this, [this](const QString& text) {
                if (const auto values = ParsePuzzleText(text.toStdString()))
                    TakePuzzle(tr("Paste"), *values);
            });
            connect(cell, &CCellEdit::clipboardSilent, this, [this] {
                Tell(tr("Not pasted: the program that holds the clipboard does not answer"));
            });
            connect(cell, &CCellEdit::pointerLeft, this, [this, row, column] {
                if (explainedCell_ == CellIndex(row, column) && !tip_->isHidden())
                    tip_->hide();
            });
            cell->SetExplainer([this, row, column] {
                return Explain(board_.Working(), CellIndex(row, column)).Text();
            });
            cells_[CellIndex(row, column)] = cell;
        }
    }
}

void CBoardDlg::CreateButtons()
{
    for (const ButtonPlace& place : kButtons) {
        auto* button = new CPushButton(QString::fromLatin1(place.caption), this);
        button->setAutoDefault(false);
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
    const auto add = [this](Action which, const QString& text, const QList<QKeySequence>& keys, void (CBoardDlg::*handler)()) {
        QAction* action = windowMenu_->addAction(text, this, handler);
        action->setShortcuts(keys);
        addAction(action);
        actions_[which] = action;
    };
    add(Action::Undo, tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &CBoardDlg::OnUndo);
    add(Action::Redo, tr("&Redo"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        &CBoardDlg::OnRedo);
    windowMenu_->addSeparator();
    add(Action::CopyPuzzle, tr("Copy Puzzle"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, &CBoardDlg::OnCopyPuzzle);
    add(Action::PastePuzzle, tr("Paste Puzzle"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
        &CBoardDlg::OnPastePuzzle);
    QMenu* newPuzzle = windowMenu_->addMenu(tr("Ne&w Puzzle"));
    const std::pair<Level, QString> levels[] = {
        {Level::Singles, tr("Level &1: Singles")}, {Level::BoxAndLine, tr("Level &2: Box and Line")},
        {Level::Pairs, tr("Level &3: Pairs")}, {Level::BeyondTheRules, tr("Level &4: Beyond the Rules")}};
    for (int k = 0; k < 4; ++k) {
        const Level level = levels[k].first;
        QAction* action = newPuzzle->addAction(levels[k].second, this, [this, level] { OnNewPuzzle(level); });
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + k)));
        addAction(action);
        newPuzzleActions_[level] = action;
    }
    add(Action::CheckPuzzle, tr("Chec&k Puzzle"), {QKeySequence(Qt::CTRL | Qt::Key_K)}, &CBoardDlg::OnCheckPuzzle);
    windowMenu_->addSeparator();
    add(Action::Hint, tr("&Hint"), {QKeySequence(Qt::CTRL | Qt::Key_H)}, &CBoardDlg::OnHint);
    windowMenu_->addSeparator();
    add(Action::Larger, tr("&Larger"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
        &CBoardDlg::OnLarger);
    add(Action::Smaller, tr("S&maller"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &CBoardDlg::OnSmaller);
    add(Action::NormalSize, tr("Normal &Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &CBoardDlg::OnNormalSize);
    windowMenu_->addSeparator();
    windowMenu_->addAction(QStringLiteral("&About Zifrel..."), this, &CBoardDlg::OnAbout);
    // A new owner of the clipboard is given its chance to answer.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CClipboardProbe::Forget);
    UpdateMenuActions();
    // Alt+Space is the window manager's on most desktops, so the menu also
    // opens with the keys that open a context menu anywhere: Menu and
    // Shift+F10.
    for (const QKeySequence& keys : {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::Key_Menu),
                                    QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &CBoardDlg::OpenWindowMenu);
    }
}

void CBoardDlg::BindCells()
{
    for (int i = 0; i < kCellCount; ++i) {
        CCell& cell = board_.Working()[i];
        cell.AttachControl(cells_[i]);
        cell.AttachFonts(HandleOf(valueFont_), HandleOf(candidateFont_));
        cell.SetValue(0);
    }
}

QAction* CBoardDlg::MenuAction(Action action) const
{
    return actions_.at(action);
}

template <typename Command>
CBoardDlg::CStep CBoardDlg::Change(const QString& name, Command command)
{
    notice_->hide();
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
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = board_.Working()[static_cast<std::size_t>(i)];
        cells_[static_cast<std::size_t>(i)]->SetFound(cell.GetValue() != 0 && cell.HowFilled() != Fill::Given);
        cells_[static_cast<std::size_t>(i)]->SetConflicting(conflicts[static_cast<std::size_t>(i)].Any());
    }
    const bool contradicts = Contradicts(conflicts);
    contradictionNews_ = contradicts && !contradicts_ ? ContradictionSentence(board_.Working(), conflicts) : QString();
    contradicts_ = contradicts;
    EndHint();
    ShowSameDigit();
}

void CBoardDlg::ShowSameDigit()
{
    const QWidget* focus = focusWidget();
    const auto focused = std::find(cells_.begin(), cells_.end(), focus);
    const QString shown = focused != cells_.end() ? (*focused)->AccessibleText() : QString();
    const int digit = shown.isEmpty() ? 0 : shown[0].digitValue();
    for (CCellEdit* cell : cells_)
        cell->SetSameDigit(cell == focus ? 0 : digit);
}

void CBoardDlg::EndHint()
{
    if (hintCell_ >= 0)
        cells_[static_cast<std::size_t>(hintCell_)]->SetHinted(false);
    hintCell_ = -1;
    hintStage_ = 0;
    if (tipShowsHint_)
        tip_->hide();
}

void CBoardDlg::OnHint()
{
    notice_->hide();
    const bool first = hintStage_ == 0;
    EndHint();
    CExplanation shown;
    shown.title = tr("Hint");
    const auto say = [&shown](const QString& line) { shown.lines.push_back({line, QChar(), {}}); };
    const Conflicts conflicts = FindConflicts(board_.Working());
    int cell = FirstConflict(conflicts);
    if (cell >= 0) {
        // What is wrong, then, pressed again, the cell's own explanation of it.
        if (first) {
            say(ContradictionSentence(board_.Working(), conflicts));
        } else {
            shown = Explain(board_.Working(), cell);
            shown.title = tr("Hint: %1").arg(shown.title.toLower());
        }
    } else if (const CHint hint = FindHint(board_.Working()); hint.cell >= 0) {
        cell = hint.cell;
        hintCell_ = cell;
        cells_[static_cast<std::size_t>(cell)]->SetHinted(true);
        if (first) {
            say(HintPointer(hint));
        } else {
            // As the cell would explain itself once Pass has filled it.
            shown = Explain(hint.grid, hint.cell);
            shown.title = tr("Hint: %1").arg(shown.title.toLower());
            shown.lines.insert(shown.lines.begin(), {HintDigit(hint), QChar(), {}});
        }
    } else {
        say(tr("Zifrel's rules fill no further cell"));
    }
    ShowTip(shown, cell);
    tipShowsHint_ = true;
    hintStage_ = cell < 0 ? 0 : first ? 1 : 2;
    Announce(shown.title + QLatin1Char('\n') + shown.Text());
}

void CBoardDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape ends a hint before it closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && hintStage_ > 0) {
        EndHint();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CBoardDlg::OnClear()
{
    Change(tr("Clear"), [this] { board_.OnClear(); });
    Announce(tr("Clear: the board is empty"));
}

void CBoardDlg::OnSet()
{
    const CStep step = Change(tr("Set"), [this] { board_.OnSet(); });
    Announce([kept = CountChange(step.before, step.after).givens] {
        return tr("Set: %n digit(s) kept for Reset", nullptr, kept);
    });
}

void CBoardDlg::OnReset()
{
    const CStep step = Change(tr("Reset"), [this] { board_.OnReset(); });
    Announce([change = CountChange(step.before, step.after)] { return BoardSentence(tr("Reset"), change); });
}

void CBoardDlg::OnPass()
{
    const CStep step = Change(tr("Pass"), [this] { board_.OnPass(); });
    Announce([change = CountChange(step.before, step.after)] { return PassSentence(change); });
}

void CBoardDlg::OnSolve()
{
    int sweeps = 0;
    const CStep step = Change(tr("Solve"), [&] { sweeps = board_.OnSolve(); });
    Announce([sweeps, change = CountChange(step.before, step.after)] { return SolveSentence(sweeps, change); });
}

void CBoardDlg::OnCellStep()
{
    const CStep step = Change(tr("Cell"), [this] { board_.OnCellStep(); });
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
    const CStep step = Change(tr("Load"), [&] { loaded = board_.OnLoad(); });
    if (!loaded) {
        Tell(LoadFailure(PuzzleFilePath(), loaded));
        return;
    }
    savedValues_ = board_.WorkingValues();
    Announce([change = CountChange(step.before, step.after)] {
        return BoardSentence(tr("Loaded %1").arg(QString::fromLatin1(CBoard::kPuzzleFileName)), change);
    });
}

void CBoardDlg::OnSave()
{
    notice_->hide();
    if (const CFileResult saved = board_.OnSave(); !saved) {
        Tell(SaveFailure(PuzzleFilePath(), saved));
        return;
    }
    savedValues_ = board_.WorkingValues();
    Announce(tr("Saved %1").arg(QString::fromLatin1(CBoard::kPuzzleFileName)));
}

void CBoardDlg::OnUndo()
{
    const QString name = QString::fromStdString(history_.UndoName());
    if (!history_.Undo(board_))
        return;
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
    notice_->hide();
    UpdateMenuActions();
    AfterBoardChange();
    Announce(tr("Redo %1").arg(name));
}

void CBoardDlg::OnCopyPuzzle()
{
    QApplication::clipboard()->setMimeData(PuzzleData(board_.WorkingValues()));
}

void CBoardDlg::OnPastePuzzle()
{
    const std::optional<QString> text = ClipboardText();
    if (!text) {
        Tell(tr("Not pasted: the program that holds the clipboard does not answer"));
        return;
    }
    std::string why;
    if (const auto values = ParsePuzzleText(text->toStdString(), &why))
        TakePuzzle(tr("Paste"), *values);
    else if (text->isEmpty())
        Tell(tr("Not pasted: the clipboard holds no text"));
    else
        Tell(tr("Not pasted: the clipboard's text is not a puzzle: %1").arg(QString::fromStdString(why)));
}

void CBoardDlg::OnNewPuzzle(Level level)
{
    std::random_device entropy;
    const std::uint64_t seed = (std::uint64_t{entropy()} << 32 | entropy())
        ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    puzzleJob_->Make(seed, level);
    Announce(tr("Making a new puzzle: %1").arg(LevelWords(level)));
}

// As Paste takes one, then as Set captures it: one step to undo.
void CBoardDlg::TakeNewPuzzle(const Values& values, Level level)
{
    const CStep step = Change(tr("New Puzzle"), [&] {
        board_.LoadValues(values);
        board_.OnSet();
    });
    Announce([level, change = CountChange(step.before, step.after)] {
        return BoardSentence(tr("New puzzle, %1").arg(LevelWords(level)), change);
    });
}

QAction* CBoardDlg::NewPuzzleAction(Level level) const
{
    return newPuzzleActions_.at(level);
}

void CBoardDlg::OnCheckPuzzle()
{
    Tell(CheckSentence(CheckPuzzle(board_.WorkingValues()), board_.WorkingValues()));
}

// As Load takes one: every cell through SetValue, snapshot and cursor kept.
void CBoardDlg::TakePuzzle(const QString& how, const Values& values)
{
    const CStep step = Change(how, [&] { board_.LoadValues(values); });
    Announce([how, change = CountChange(step.before, step.after)] { return BoardSentence(how, change); });
}

void CBoardDlg::Tell(const QString& message)
{
    said_ = message;
    notice_->Show(message);
}

void CBoardDlg::Announce(const QString& sentence)
{
    Announce([sentence] { return sentence; });
}

void CBoardDlg::Announce(std::function<QString()> sentence)
{
    // A change that made the board contradict itself says so too.
    QString news = std::exchange(contradictionNews_, QString());
    if (news.isEmpty()) {
        announcer_->Announce(std::move(sentence));
        return;
    }
    announcer_->Announce([sentence = std::move(sentence), news = std::move(news)] {
        const QString said = sentence();
        return said.isEmpty() ? news : said + QStringLiteral(". ") + news;
    });
}

QString CBoardDlg::PuzzleFilePath() const
{
    return QDir::current().absoluteFilePath(QString::fromLatin1(CBoard::kPuzzleFileName));
}

bool CBoardDlg::HasUnsavedChanges() const
{
    return board_.WorkingValues() != savedValues_;
}

void CBoardDlg::reject()
{
    if (!HasUnsavedChanges() || SaveBeforeClosing())
        CDialog::reject();
}

bool CBoardDlg::SaveBeforeClosing()
{
    QMessageBox ask(QMessageBox::Question, tr("Zifrel"), tr("Save the puzzle before closing?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    ask.setInformativeText(tr("The board holds digits that are not in %1.").arg(PuzzleFilePath()));
    ask.button(QMessageBox::Discard)->setText(tr("Close &Without Saving"));
    ask.setDefaultButton(QMessageBox::Save);
    ask.setEscapeButton(QMessageBox::Cancel);
    switch (ask.exec()) {
    case QMessageBox::Save:
        if (const CFileResult saved = board_.OnSave(); !saved) {
            Tell(SaveFailure(PuzzleFilePath(), saved));
            return false;
        }
        savedValues_ = board_.WorkingValues();
        return true;
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void CBoardDlg::UpdateMenuActions()
{
    const auto named = [](const QString& verb, const std::string& what) {
        return what.empty() ? verb : verb + QLatin1Char(' ') + QString::fromStdString(what);
    };
    actions_[Action::Undo]->setText(named(tr("&Undo"), history_.UndoName()));
    actions_[Action::Undo]->setEnabled(history_.CanUndo());
    actions_[Action::Redo]->setText(named(tr("&Redo"), history_.RedoName()));
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

void CBoardDlg::dragLeaveEvent(QDragLeaveEvent*)
{
    dragged_.reset();
}

void CBoardDlg::dropEvent(QDropEvent* event)
{
    if (const auto values = std::exchange(dragged_, std::nullopt)) {
        TakePuzzle(tr("Drop"), *values);
        event->acceptProposedAction();
    }
}

void CBoardDlg::OnExplain(int row, int column)
{
    const int index = CellIndex(row, column);
    const CExplanation explanation = Explain(board_.Working(), index);
    tip_->hide();
    if (explanation.lines.empty())
        return;
    ShowTip(explanation, index);
    explainedCell_ = index;
}

void CBoardDlg::ShowTip(const CExplanation& explanation, int cell)
{
    tip_->hide();
    // The tip covers neither the cell nor any cell it cites.
    const auto onScreen = [](const QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); };
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

void CBoardDlg::OnCellFocus(int row, int column)
{
    CellControl(row, column)->SetSelection(0, -1);
}

void CBoardDlg::OnCellChange(int row, int column)
{
    CCellEdit* control = CellControl(row, column);
    // Counted as the window system counts it, a line break being two characters.
    QString text = QString::fromStdString(control->CellText());
    if (text.size() == 2)
        text = text.right(1);
    control->SetSelection(0, -1);
    if (text.size() == 1) {
        const QChar c = text[0];
        const int v = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
        Change(tr("Typing"), [&] { board_.Cell(row, column).SetValue(v); });
    }
    // A digit deleted without a change to the board is no longer shown.
    ShowSameDigit();
    if (!contradictionNews_.isEmpty())
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
    const auto wrap = [](int position) { return position >= kBoardSize ? 0 : position < 0 ? kBoardSize - 1 : position; };
    CellControl(wrap(row + rowStep), wrap(column + columnStep))->setFocus(Qt::OtherFocusReason);
}
