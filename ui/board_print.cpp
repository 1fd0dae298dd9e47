// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_print.h"

#include "board_messages.h"
#include "random.h"

#include <QCoreApplication>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

// Lines as a share of a cell's side: between cells, and around boxes.
constexpr double kThinLine = 0.02;
constexpr double kThickLine = 0.07;

QFont DigitFont(double cell, PrintedLook look)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(cell * 0.62)));
    font.setBold(look == PrintedLook::Given);
    font.setItalic(look == PrintedLook::Found);
    font.setUnderline(look == PrintedLook::Found);
    return font;
}

void PaintMarks(QPainter& painter, const QRectF& cell, DigitMask open)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(cell.height() * 0.24)));
    painter.setFont(font);
    const double third = cell.width() / 3;
    for (int digit = 1; digit <= 9; ++digit) {
        if (!(open & DigitBit(digit)))
            continue;
        const CCandidatePlace place = CandidatePlace(digit);
        const QRectF at(cell.x() + place.column / 3 * third, cell.y() + place.line * third, third, third);
        painter.drawText(at, Qt::AlignCenter, QString::number(digit));
    }
}

void PaintGrid(QPainter& painter, const QRectF& square)
{
    const double cell = square.width() / kBoardSize;
    for (int k = 0; k <= kBoardSize; ++k) {
        painter.setPen(QPen(Qt::black, cell * (k % 3 == 0 ? kThickLine : kThinLine), Qt::SolidLine, Qt::SquareCap));
        const double along = k * cell;
        painter.drawLine(QPointF(square.left() + along, square.top()), QPointF(square.left() + along, square.bottom()));
        painter.drawLine(QPointF(square.left(), square.top() + along), QPointF(square.right(), square.top() + along));
    }
}

// One page after another on the device, each laid out in slots of
// columns by rows, a caption under each board.
class CSheet {
public:
    CSheet(QPagedPaintDevice& device, QPainter& painter, int columns, int rows)
        : device_(device), painter_(painter), columns_(columns), rows_(rows)
    {
    }

    // Paints board and caption into the next slot, on a new page when the
    // last is full.
    void Add(const CPrintedCells& cells, const QString& caption)
    {
        if (used_ == columns_ * rows_) {
            device_.newPage();
            used_ = 0;
        }
        const QRectF page = painter_.viewport();
        const double width = page.width() / columns_;
        const double height = page.height() / rows_;
        const QRectF slot(page.x() + used_ % columns_ * width, page.y() + used_ / columns_ * height, width, height);
        const double captionHeight = std::min(width, height) * 0.08;
        const QRectF board = slot.adjusted(width * 0.06, height * 0.04, -width * 0.06, -height * 0.04 - captionHeight);
        const QRectF square = PaintBoard(painter_, board, cells, false);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(std::max(1, static_cast<int>(captionHeight * 0.5)));
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(slot.x(), square.bottom() + captionHeight * 0.2, width, captionHeight),
                          Qt::AlignHCenter | Qt::AlignTop, caption);
        ++used_;
    }

    // The next board starts a page of its own.
    void EndPage() { used_ = columns_ * rows_; }

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    int columns_;
    int rows_;
    int used_ = 0;
};

// Slots across and down a portrait page for each choice of boards a page.
std::pair<int, int> Slots(int perPage)
{
    switch (perPage) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 4: return {2, 2};
    default: return {2, 3};
    }
}

} // namespace

PrintedLook LookOf(const CCell& cell)
{
    return cell.HowFilled() == Fill::Given ? PrintedLook::Given : PrintedLook::Found;
}

CPrintedCells PrintedCells(const Grid& grid)
{
    CPrintedCells cells;
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = {grid[i].GetValue(), LookOf(grid[i]), static_cast<DigitMask>(grid[i].CandidateMask())};
    return cells;
}

CPrintedCells PrintedCells(const Values& values)
{
    CPrintedCells cells;
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i].digit = values[i];
    return cells;
}

QRectF PaintBoard(QPainter& painter, const QRectF& area, const CPrintedCells& cells, bool marks)
{
    const double side = std::min(area.width(), area.height());
    const QRectF square(area.x() + (area.width() - side) / 2, area.y(), side, side);
    const double cell = side / kBoardSize;
    painter.save();
    painter.setPen(Qt::black);
    for (int i = 0; i < kCellCount; ++i) {
        const CPrintedCell& shown = cells[static_cast<std::size_t>(i)];
        const QRectF at(square.x() + i % kBoardSize * cell, square.y() + i / kBoardSize * cell, cell, cell);
        if (shown.digit != 0) {
            painter.setFont(DigitFont(cell, shown.look));
            painter.drawText(at, Qt::AlignCenter, QString::number(shown.digit));
        } else if (marks && shown.open != kAllDigits) {
            PaintMarks(painter, at, shown.open);
        }
    }
    PaintGrid(painter, square);
    painter.restore();
    return square;
}

bool PrintBoard(QPagedPaintDevice& device, const Grid& grid, bool marks)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page = painter.viewport();
    PaintBoard(painter, page.adjusted(page.width() * 0.05, page.height() * 0.05, -page.width() * 0.05, 0),
               PrintedCells(grid), marks);
    return painter.end();
}

CPrintedPuzzle MakePrintedPuzzle(Level level, std::uint64_t seed)
{
    std::uint64_t state = seed;
    CPrintedPuzzle made;
    made.puzzle = *Generate(CRandom::SplitMix64(state), level, Symmetry::Rotate180);
    made.solution = CountSolutions(made.puzzle).solution;
    made.level = level;
    made.seed = seed;
    return made;
}

QString PuzzleCaption(int number, const CPrintedPuzzle& puzzle)
{
    //: %1 is the puzzle's number on the sheet, %2 its level ("level 2, Box and Line"), %3 the seed it is made from.
    return QCoreApplication::translate("CBoardPrint", "Puzzle %1, %2, seed %3")
        .arg(number)
        .arg(LevelWords(puzzle.level))
        .arg(puzzle.seed);
}

bool PrintPuzzles(QPagedPaintDevice& device, const std::vector<CPrintedPuzzle>& puzzles, int perPage)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    {
        const auto [columns, rows] = Slots(perPage);
        CSheet sheet(device, painter, columns, rows);
        for (std::size_t k = 0; k < puzzles.size(); ++k)
            sheet.Add(PrintedCells(puzzles[k].puzzle), PuzzleCaption(static_cast<int>(k + 1), puzzles[k]));
    }
    device.newPage();
    CSheet solutions(device, painter, 3, 4);
    for (std::size_t k = 0; k < puzzles.size(); ++k)
        //: %1 is the puzzle's number on the sheet.
        solutions.Add(PrintedCells(puzzles[k].solution),
                      QCoreApplication::translate("CBoardPrint", "Solution of puzzle %1").arg(k + 1));
    return painter.end();
}
