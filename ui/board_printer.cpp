// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_printer.h"

#include "board_dlg.h"
#include "board_messages.h"
#include "board_print.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QProgressDialog>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// What Print New Puzzles asks before the print dialog.
struct CSheetChoice {
    Level level;
    int count;
    int perPage;
};

std::optional<CSheetChoice> AskSheet(QWidget* parent, Level level)
{
    QDialog ask(parent);
    ask.setWindowTitle(CBoardPrinter::tr("Print New Puzzles"));
    auto* levels = new QComboBox(&ask);
    levels->setObjectName(QStringLiteral("level"));
    for (int k = 1; k <= 4; ++k)
        levels->addItem(LevelWords(static_cast<Level>(k)), k);
    levels->setCurrentIndex(static_cast<int>(level) - 1);
    auto* count = new QSpinBox(&ask);
    count->setObjectName(QStringLiteral("count"));
    count->setRange(1, kMostPrintedPuzzles);
    count->setValue(4);
    auto* perPage = new QComboBox(&ask);
    perPage->setObjectName(QStringLiteral("perPage"));
    for (const int k : kPerPageChoices)
        perPage->addItem(QString::number(k), k);
    perPage->setCurrentIndex(2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    buttons->button(QDialogButtonBox::Ok)->setText(CBoardPrinter::tr("&Print..."));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(CBoardPrinter::tr("&Level:"), levels);
    form->addRow(CBoardPrinter::tr("&Number of puzzles:"), count);
    form->addRow(CBoardPrinter::tr("Puzzles to a &page:"), perPage);
    auto* layout = new QVBoxLayout(&ask);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (ask.exec() != QDialog::Accepted)
        return std::nullopt;
    return CSheetChoice{static_cast<Level>(levels->currentData().toInt()), count->value(),
                        perPage->currentData().toInt()};
}

// Makes the puzzles one by one, showing how far it got; empty when the
// person stops it.
std::vector<CPrintedPuzzle> MakePuzzles(QWidget* parent, const CSheetChoice& choice, std::uint64_t seed)
{
    QProgressDialog progress(CBoardPrinter::tr("Making the puzzles..."), CBoardPrinter::tr("Cancel"), 0, choice.count,
                             parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::vector<CPrintedPuzzle> made;
    for (int k = 0; k < choice.count; ++k) {
        progress.setValue(k);
        if (progress.wasCanceled())
            return {};
        made.push_back(MakePrintedPuzzle(choice.level, seed + static_cast<std::uint64_t>(k)));
    }
    return made;
}

} // namespace

CBoardPrinter::CBoardPrinter(CBoardDlg* board) : QObject(board), board_(board) {}

bool CBoardPrinter::AskPrinter(QPrinter& printer, const QList<QWidget*>& options, const QString& title)
{
    QPrintDialog dialog(&printer, board_);
    dialog.setWindowTitle(title);
    dialog.setOptionTabs(options);
    return dialog.exec() == QDialog::Accepted;
}

void CBoardPrinter::OnPrint()
{
    QPrinter printer;
    auto* options = new QWidget;
    options->setWindowTitle(tr("Board"));
    auto* marks = new QCheckBox(tr("Print the &pencil marks"), options);
    marks->setObjectName(QStringLiteral("marks"));
    marks->setChecked(marks_);
    (new QVBoxLayout(options))->addWidget(marks);
    if (!AskPrinter(printer, {options}, tr("Print the Board")))
        return;
    marks_ = marks->isChecked();
    if (!PrintBoard(printer, board_->Board().Working(), marks_))
        QMessageBox::warning(board_, tr("Not printed"), tr("The board could not be printed."));
}

void CBoardPrinter::OnPrintPuzzles(Level level)
{
    const std::optional<CSheetChoice> choice = AskSheet(board_, level);
    if (!choice)
        return;
    const std::uint64_t seed = std::uint64_t{entropy_()} << 32 | entropy_();
    const std::vector<CPrintedPuzzle> puzzles = MakePuzzles(board_, *choice, seed);
    if (puzzles.empty())
        return;
    QPrinter printer;
    if (!AskPrinter(printer, {}, tr("Print New Puzzles")))
        return;
    if (!PrintPuzzles(printer, puzzles, choice->perPage))
        QMessageBox::warning(board_, tr("Not printed"), tr("The puzzles could not be printed."));
}
