// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "puzzle_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

// What each byte is in puzzle text: a cell's value, a separator, or neither.
constexpr int kSeparator = 10;
constexpr int kNotPuzzle = 11;
constexpr auto kTextByte = [] {
    std::array<std::uint8_t, 256> kinds{};
    kinds.fill(kNotPuzzle);
    for (char c : {'0', '.', '_', '*', 'x', '?'})
        kinds[static_cast<unsigned char>(c)] = 0;
    for (int d = 1; d <= 9; ++d)
        kinds[static_cast<unsigned char>('0' + d)] = static_cast<std::uint8_t>(d);
    for (char c : {' ', '\t', '|', '-', '+'})
        kinds[static_cast<unsigned char>(c)] = kSeparator;
    return kinds;
}();

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The first byte of every box-drawing character in UTF-8.
constexpr unsigned char kBoxDrawingLead = 0xE2;

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

// Fills values from cells, starting at index first; false on a bad
// character, whose 0-based position goes to bad.
bool ReadCells(std::string_view cells, Values& values, int first, std::size_t& bad)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto digit = CellDigit(cells[i]);
        if (!digit) {
            bad = i;
            return false;
        }
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

std::optional<Values> ParsePuzzleFile(std::string_view text, CPuzzleFileError* why)
{
    std::vector<std::string_view> lines = SplitLines(text);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();

    CPuzzleFileError error;
    Values values{};
    const bool oneLine = lines.size() == 1;
    if (lines.empty()) {
        error.kind = CPuzzleFileError::Empty;
    } else if (!oneLine && lines.size() != kBoardSize) {
        error = {CPuzzleFileError::LineCount, 0, static_cast<int>(lines.size())};
    } else {
        for (std::size_t row = 0; row < lines.size(); ++row) {
            const std::string_view line = lines[row];
            const std::size_t expected = oneLine ? kCellCount : kBoardSize;
            std::size_t bad = 0;
            if (line.size() != expected) {
                error = {CPuzzleFileError::LineLength, static_cast<int>(row + 1), static_cast<int>(line.size())};
            } else if (!ReadCells(line, values, CellIndex(static_cast<int>(row), 0), bad)) {
                error = {CPuzzleFileError::BadCharacter, static_cast<int>(row + 1), 0, static_cast<int>(bad + 1),
                         static_cast<unsigned char>(line[bad])};
            } else {
                continue;
            }
            break;
        }
    }
    if (why)
        *why = error;
    if (error.kind != CPuzzleFileError::None)
        return std::nullopt;
    return values;
}

// The length of the box-drawing character (U+2500 to U+257F) in UTF-8 that
// text starts with at at, or 0.
std::size_t BoxDrawingAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    if (text.size() - at < 3 || byte(0) != 0xE2 || (byte(1) != 0x94 && byte(1) != 0x95))
        return 0;
    return (byte(2) & 0xC0) == 0x80 ? 3 : 0;
}

CLineCells ReadLineCells(std::string_view line, Values& cells)
{
    CLineCells read;
    read.byteOrderMark = line.starts_with(kByteOrderMark);
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        const int kind = kTextByte[static_cast<unsigned char>(c)];
        if (kind == kSeparator)
            continue;
        if (kind == kNotPuzzle) {
            if (const std::size_t length = BoxDrawingAt(line, at); length != 0) {
                at += length - 1;
                continue;
            }
            return {CLineCells::Bad, read.count + 1, static_cast<unsigned char>(c), read.byteOrderMark};
        }
        if (read.count == kCellCount)
            return {CLineCells::TooMany, read.count + 1, 0, read.byteOrderMark};
        cells[static_cast<std::size_t>(read.count++)] = kind;
    }
    return read;
}

// A line's text is counted as it goes only once the line is no row of
// cells: until then every character but spacing was a cell, and the cells
// are counted anyway.
void CLineCellReader::Add(std::string_view piece)
{
    if (piece.empty())
        return;
    if (carriageReturn_) {
        carriageReturn_ = false;
        Take('\r');
    }
    // Perhaps the line's last character, not part of it.
    if (piece.back() == '\r') {
        carriageReturn_ = true;
        piece.remove_suffix(1);
    }
    const std::size_t size = piece.size();
    for (std::size_t i = 0; i < size;) {
        // Most characters need nothing of what came before them: those are
        // read here, the others, and the first few of a line, by Take.
        const bool markKnown = markMatched_ < 0 || markMatched_ == 3;
        if (markKnown && boxDrawing_ == 0) {
            if (read_.kind == CLineCells::Cells) {
                // The count in a local: the cells' stores might be the count's.
                int count = read_.count;
                // Digits and dots with nothing between them, the commonest
                // text by far, sixteen at a time.
                while (size - i >= 16 && count <= kCellCount - 16) {
                    unsigned char run[16];
                    std::memcpy(run, piece.data() + i, sizeof run);
                    unsigned char digits[16];
                    unsigned char other = 0;
                    for (int k = 0; k < 16; ++k) {
                        const unsigned char dot = run[k] == '.' ? 0xFF : 0;
                        digits[k] = static_cast<unsigned char>((run[k] - '0') & ~dot);
                        other |= static_cast<unsigned char>(digits[k] > 9);
                    }
                    if (other != 0)
                        break;
                    for (int k = 0; k < 16; ++k)
                        cells_[static_cast<std::size_t>(count + k)] = digits[k];
                    i += 16;
                    count += 16;
                }
                for (; i < size; ++i) {
                    const int kind = kTextByte[static_cast<unsigned char>(piece[i])];
                    if (kind == kSeparator)
                        continue;
                    if (kind == kNotPuzzle || count == kCellCount)
                        break;
                    cells_[static_cast<std::size_t>(count++)] = kind;
                }
                read_.count = count;
            } else {
                for (; i < size && static_cast<unsigned char>(piece[i]) != kBoxDrawingLead; ++i)
                    read_.text += kTextByte[static_cast<unsigned char>(piece[i])] != kSeparator;
            }
            if (i == size)
                break;
        }
        Take(piece[i++]);
    }
}

CLineCells CLineCellReader::End()
{
    // A box-drawing character cut short is no cell.
    if (boxDrawing_ != 0)
        NotBoxDrawing();
    if (read_.kind == CLineCells::Cells)
        read_.text = static_cast<std::uint64_t>(read_.count);
    return read_;
}

void CLineCellReader::Take(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (markMatched_ >= 0 && markMatched_ < 3) {
        markMatched_ = c == kByteOrderMark[static_cast<std::size_t>(markMatched_)] ? markMatched_ + 1 : -1;
        read_.byteOrderMark = markMatched_ == 3;
    }
    if (boxDrawing_ != 0) {
        const bool goesOn = boxDrawing_ == 1 ? byte == 0x94 || byte == 0x95 : (byte & 0xC0) == 0x80;
        if (goesOn) {
            boxDrawing_ = (boxDrawing_ + 1) % 3;
            return;
        }
        NotBoxDrawing();
    }
    if (byte == kBoxDrawingLead) {
        boxDrawing_ = 1;
        return;
    }
    const int kind = kTextByte[byte];
    if (kind == kSeparator)
        return;
    if (read_.kind == CLineCells::Cells)
        TakeText(byte, kind);
    else
        ++read_.text;
}

void CLineCellReader::TakeText(unsigned char byte, int kind)
{
    if (kind == kNotPuzzle) {
        read_.kind = CLineCells::Bad;
        read_.bad = byte;
    } else if (read_.count == kCellCount) {
        read_.kind = CLineCells::TooMany;
    } else {
        cells_[static_cast<std::size_t>(read_.count++)] = kind;
        return;
    }
    // The cells so far and this character.
    read_.text = static_cast<std::uint64_t>(++read_.count);
}

void CLineCellReader::NotBoxDrawing()
{
    const int held = boxDrawing_;
    boxDrawing_ = 0;
    if (read_.kind == CLineCells::Cells)
        TakeText(kBoxDrawingLead, kNotPuzzle);
    else
        ++read_.text;
    // The byte after the lead, when it came.
    read_.text += held == 2;
}

namespace {

// The cells of one line of pasted text. A line that is no row of cells but
// has a comma (or a tab) counts by what stands before the first one.
CLineCells ReadPastedLine(std::string_view line, Values& cells)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const CLineCells whole = ReadLineCells(line, cells);
    if (whole.kind == CLineCells::Cells)
        return whole;
    for (const char field : {',', '\t'})
        if (const auto end = line.find(field); end != std::string_view::npos)
            if (const CLineCells first = ReadLineCells(line.substr(0, end), cells); first.kind == CLineCells::Cells)
                return first;
    return whole;
}

// A bad character as the refusal names it: the whole UTF-8 sequence for a
// character beyond ASCII, nothing for a byte that is no character.
void ShowCharacter(std::string_view line, unsigned char byte, CPasteRefusal& why)
{
    why.byte = byte;
    if (byte >= 0x20 && byte < 0x7F) {
        why.character.assign(1, static_cast<char>(byte));
        return;
    }
    const auto at = line.find(static_cast<char>(byte));
    if (byte >= 0xC2 && byte <= 0xF4 && at != std::string_view::npos) {
        std::size_t length = 1;
        while (length < 4 && at + length < line.size()
               && (static_cast<unsigned char>(line[at + length]) & 0xC0) == 0x80)
            ++length;
        why.character = line.substr(at, length);
    }
}

} // namespace

std::optional<Values> ParsePuzzleText(std::string_view text, CPasteRefusal* why)
{
    CPasteRefusal refusal;
    const auto refuse = [&](CPasteRefusal::Kind kind, int count = 0) -> std::optional<Values> {
        refusal.kind = kind;
        refusal.count = count;
        if (why)
            *why = std::move(refusal);
        return std::nullopt;
    };
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    const std::vector<std::string_view> lines = SplitLines(text);
    Values values{};
    int rows = 0;
    bool oneLine = false;
    for (const std::string_view line : lines) {
        Values cells{};
        const CLineCells read = ReadPastedLine(line, cells);
        if (read.kind == CLineCells::Bad) {
            ShowCharacter(line, read.bad, refusal);
            return refuse(CPasteRefusal::NotACell);
        }
        if (read.kind == CLineCells::TooMany)
            return refuse(CPasteRefusal::TooManyInLine);
        if (read.count == 0)
            continue;
        if (oneLine || (read.count == kCellCount && rows > 0))
            return refuse(CPasteRefusal::MoreThanOnePuzzle);
        if (read.count == kBoardSize && rows == kBoardSize)
            return refuse(CPasteRefusal::MoreThanNineRows);
        if (read.count == kCellCount) {
            values = cells;
            oneLine = true;
        } else if (read.count == kBoardSize) {
            std::copy_n(cells.begin(), kBoardSize, values.begin() + CellIndex(rows++, 0));
        } else if (rows == 0) {
            return refuse(CPasteRefusal::NotEightyOne, read.count);
        } else {
            return refuse(CPasteRefusal::ShortRow, read.count);
        }
    }
    if (!oneLine && rows == 0)
        return refuse(CPasteRefusal::NoCells);
    if (!oneLine && rows != kBoardSize)
        return refuse(CPasteRefusal::NotNineRows, rows);
    return values;
}

std::optional<Values> ParsePuzzleLine(std::string_view line, CLineCells* read)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    Values values{};
    const CLineCells found = ReadLineCells(line, values);
    if (found.kind == CLineCells::Cells && found.count == kCellCount)
        return values;
    if (read)
        *read = found;
    return std::nullopt;
}

std::string FormatPuzzleLine(const Values& values)
{
    std::string line(kCellCount, '.');
    for (int i = 0; i < kCellCount; ++i)
        if (values[static_cast<std::size_t>(i)] != 0)
            line[static_cast<std::size_t>(i)] = static_cast<char>('0' + values[static_cast<std::size_t>(i)]);
    return line;
}

std::string FormatPuzzleGrid(const Values& values)
{
    const std::string line = FormatPuzzleLine(values);
    std::string grid;
    for (int row = 0; row < kBoardSize; ++row)
        grid.append(line, static_cast<std::size_t>(CellIndex(row, 0)), kBoardSize).append("\n");
    return grid;
}
