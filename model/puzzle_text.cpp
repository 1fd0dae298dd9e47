// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "puzzle_text.h"

#include <vector>

namespace {

std::optional<int> CellDigit(char c)
{
    if (c == '0' || c == '.')
        return 0;
    if (c >= '1' && c <= '9')
        return c - '0';
    return std::nullopt;
}

// Splits text at LF, dropping one CR before each LF, so both line-end
// styles give the same lines. A final line end does not start a line.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Fills values from cells, starting at index first; false on a bad character.
bool ReadCells(std::string_view cells, Values& values, int first)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto digit = CellDigit(cells[i]);
        if (!digit)
            return false;
        values[static_cast<std::size_t>(first) + i] = *digit;
    }
    return true;
}

} // namespace

std::string FormatPuzzleFile(const Values& values)
{
    std::string text;
    text.reserve(kBoardSize * (kBoardSize + 2));
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column)
            text += static_cast<char>('0' + values[CellIndex(row, column)]);
        text += "\r\n";
    }
    return text;
}

std::optional<Values> ParsePuzzleFile(std::string_view text)
{
    std::vector<std::string_view> lines = SplitLines(text);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();

    Values values{};
    if (lines.size() == 1 && lines[0].size() == kCellCount)
        return ReadCells(lines[0], values, 0) ? std::optional(values) : std::nullopt;
    if (lines.size() != kBoardSize)
        return std::nullopt;
    for (int row = 0; row < kBoardSize; ++row) {
        const std::string_view line = lines[static_cast<std::size_t>(row)];
        if (line.size() != kBoardSize || !ReadCells(line, values, CellIndex(row, 0)))
            return std::nullopt;
    }
    return values;
}

std::optional<Values> ParsePuzzleLine(std::string_view line, std::string* error)
{
    auto fail = [&](std::string what) -> std::optional<Values> {
        if (error)
            *error = std::move(what);
        return std::nullopt;
    };
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() != kCellCount)
        return fail("expected 81 cells, found " + std::to_string(line.size()) + " characters");
    Values values{};
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto digit = CellDigit(line[i]);
        if (!digit) {
            const auto byte = static_cast<unsigned char>(line[i]);
            std::string shown;
            if (byte >= 0x20 && byte < 0x7F)
                shown.append(1, '\'').append(1, line[i]).append(1, '\'');
            else
                shown = "byte " + std::to_string(byte);
            return fail("cell " + std::to_string(i + 1) + " is " + shown + ", not 1-9, 0 or .");
        }
        values[i] = *digit;
    }
    return values;
}
