// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The readers of puzzle text, zifrel-batch's line reader and the paste
// reader: any text is either a puzzle of 81 values 0-9, which prints and
// reads back the same and solves without fault, or refused (the line reader
// saying why).

#include "board.h"
#include "puzzle_text.h"

#include <cstdint>
#include <cstdlib>

namespace {

void CheckPuzzle(const Values& values)
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (const auto values = ParsePuzzleLine(text, &error))
        CheckPuzzle(*values);
    else if (error.empty())
        std::abort();
    if (const auto values = ParsePuzzleText(text))
        CheckPuzzle(*values);
    return 0;
}
