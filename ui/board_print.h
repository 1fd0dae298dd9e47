// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"
#include "puzzle_maker.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Printed pages: the board as shown, and sheets of new puzzles with their
// solutions. Painted on any paged device, a printer or a PDF file alike.

// How a digit is printed: a given bold, a digit the person entered upright,
// a digit Zifrel's rules found slanted and underlined.
enum class PrintedLook { Given, Entry, Found };

struct CPrintedCell {
    int digit = 0;
    PrintedLook look = PrintedLook::Given;
    // The digits still open, for the pencil marks of an empty cell.
    DigitMask open = kAllDigits;
};
using CPrintedCells = std::array<CPrintedCell, kCellCount>;

// How the cell's digit is printed. The one place that tells givens,
// entries and found digits apart: a cell filled by a rule is found; the
// model does not yet tell a typed digit from a given one, so both print
// as givens until it does.
PrintedLook LookOf(const CCell& cell);
// The board as shown, and a puzzle or solution of givens only.
CPrintedCells PrintedCells(const Grid& grid);
CPrintedCells PrintedCells(const Values& values);

// Paints the board as the largest square that fits area, centred across
// it at its top; with marks, the open digits of every empty cell that has
// lost some. Returns the square.
QRectF PaintBoard(QPainter& painter, const QRectF& area, const CPrintedCells& cells, bool marks);

// Prints the board as shown on one page. False when the device cannot be
// painted on.
bool PrintBoard(QPagedPaintDevice& device, const Grid& grid, bool marks);

// A new puzzle to print: its givens, its solution, its level and the seed
// it is made from.
struct CPrintedPuzzle {
    Values puzzle{};
    Values solution{};
    Level level = Level::Singles;
    std::uint64_t seed = 0;
};
// The puzzle that `zifrel-batch --generate 1 --level L --seed S` writes.
CPrintedPuzzle MakePrintedPuzzle(Level level, std::uint64_t seed);
// The puzzles per page that a sheet may hold.
inline constexpr int kPerPageChoices[] = {1, 2, 4, 6};
inline constexpr int kMostPrintedPuzzles = 100;
// The words under a puzzle: its number, level and seed.
QString PuzzleCaption(int number, const CPrintedPuzzle& puzzle);
// Prints the puzzles perPage (1, 2, 4 or 6) to a page, each with its
// number, level and seed under it, then their solutions, twelve to a page,
// on the last pages. False when the device cannot be painted on.
bool PrintPuzzles(QPagedPaintDevice& device, const std::vector<CPrintedPuzzle>& puzzles, int perPage);
