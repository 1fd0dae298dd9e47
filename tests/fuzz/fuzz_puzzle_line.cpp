// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// zifrel-batch's line reader: any line is either a puzzle of 81 digits 0-9
// or refused with a message, and a puzzle solves without fault.

#include "board.h"
#include "puzzle_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto values = ParsePuzzleLine(line, &error);
    if (!values) {
        if (error.empty())
            std::abort();
        return 0;
    }
    const std::size_t cells = (!line.empty() && line.back() == '\r') ? size - 1 : size;
    if (cells != static_cast<std::size_t>(kCellCount))
        std::abort();
    for (int v : *values)
        if (v < 0 || v > 9)
            std::abort();
    CBoard board;
    board.LoadValues(*values);
    // Every sweep that changes something adds a flag or a value for good.
    if (board.OnSolve() > kCellCount * 9 + kCellCount + 1)
        std::abort();
    return 0;
}
