// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Load of any file content either leaves the board exactly as it was or
// leaves it holding a puzzle's values, each cell as SetValue leaves it.

#include "board.h"
#include "memory_file_system.h"
#include "puzzle_text.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A board that is not fresh, so that "unchanged" means something.
void Prepare(CBoard& board)
{
    board.Cell(0, 0).SetValue(5);
    board.Cell(4, 4).RuleOut(DigitBit(3) | DigitBit(8));
    board.Cell(8, 8).RuleOut(kAllDigits);
}

bool SameCells(const CBoard& a, const CBoard& b)
{
    for (int i = 0; i < kCellCount; ++i)
        if (a.Working()[i].GetValue() != b.Working()[i].GetValue()
            || a.Working()[i].ExcludedMask() != b.Working()[i].ExcludedMask())
            return false;
    return true;
}

bool HoldsValuesAsSetValueLeavesThem(const CBoard& board)
{
    for (const CCell& cell : board.Working()) {
        const int v = cell.GetValue();
        if (v < 0 || v > 9)
            return false;
        const DigitMask expected = v == 0 ? DigitMask{0} : static_cast<DigitMask>(kAllDigits & ~DigitBit(v));
        if (cell.ExcludedMask() != expected)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    CMemoryFileSystem fs(contents);
    CBoard board(fs);
    CBoard before;
    Prepare(board);
    Prepare(before);

    const bool loaded = static_cast<bool>(board.OnLoad());
    const auto parsed = ParsePuzzleFile(contents);
    if (loaded != (parsed.has_value() && size <= CBoard::kMaxPuzzleFileBytes))
        std::abort();
    if (!loaded && !SameCells(board, before))
        std::abort();
    if (loaded && (!HoldsValuesAsSetValueLeavesThem(board) || board.WorkingValues() != *parsed))
        std::abort();
    return 0;
}
