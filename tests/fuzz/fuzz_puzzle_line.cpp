// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The readers of puzzle text, zifrel-batch's line reader and the paste
// reader: any text is either a puzzle of 81 values 0-9, which prints and
// reads back the same, solves without fault and checks (solutions and
// level) consistently, or refused (the line reader saying why). The line
// read a piece at a time reads as the line read whole.

#include "board.h"
#include "puzzle_maker.h"
#include "puzzle_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void CheckValues(const Values& values)
{
    for (int v : values)
        if (v < 0 || v > 9)
            std::abort();
    if (ParsePuzzleLine(FormatPuzzleLine(values)) != values || ParsePuzzleText(FormatPuzzleGrid(values)) != values)
        std::abort();
    CBoard board;
    board.LoadValues(values);
    // Every sweep that changes something adds a flag or a value for good.
    if (board.OnSolve() > kCellCount * 9 + kCellCount + 1)
        std::abort();
    // A solution found solves the board; the one solution's level is the
    // grade, and Solve finishes exactly the levels below "beyond".
    const CPuzzleCheck check = CheckPuzzle(values);
    if (check.solutions != CountSolutions(values).count)
        std::abort();
    if (check.solutions >= 1) {
        for (int i = 0; i < kCellCount; ++i)
            if (values[static_cast<std::size_t>(i)] != 0
                && values[static_cast<std::size_t>(i)] != check.solution[static_cast<std::size_t>(i)])
                std::abort();
        if (CountSolutions(check.solution).count != 1)
            std::abort();
    }
    if (check.solutions == 1) {
        const Values after = board.WorkingValues();
        const bool filled = std::find(after.begin(), after.end(), 0) == after.end();
        if (check.level != Grade(values) || filled != (check.level != Level::BeyondTheRules))
            std::abort();
    }
}

// The same line read in two pieces, split at split, as zifrel-batch reads it.
void CheckPieces(std::string_view text, std::size_t split)
{
    CLineCellReader reader;
    reader.Start();
    reader.Add(text.substr(0, split));
    reader.Add(text.substr(split));
    const CLineCells pieces = reader.End();
    Values cells{};
    const CLineCells whole = ReadLineCells(text.ends_with('\r') ? text.substr(0, text.size() - 1) : text, cells);
    if (pieces.kind != whole.kind || pieces.count != whole.count || pieces.bad != whole.bad
        || pieces.byteOrderMark != whole.byteOrderMark)
        std::abort();
    const int kept = std::min(whole.kind == CLineCells::Cells ? whole.count : whole.count - 1, kCellCount);
    for (int i = 0; i < kept; ++i)
        if (reader.Cells()[static_cast<std::size_t>(i)] != cells[static_cast<std::size_t>(i)])
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckPieces(text, size == 0 ? 0 : data[0] % (size + 1));
    CLineCells read;
    read.count = -1;
    if (const auto values = ParsePuzzleLine(text, &read))
        CheckValues(*values);
    else if (read.count < 0)
        std::abort();
    if (const auto values = ParsePuzzleText(text))
        CheckValues(*values);
    return 0;
}
