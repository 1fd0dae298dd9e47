// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// zifrel-batch: runs one board command on many puzzles, one per line of
// standard input, and prints each resulting board on a line of its own.

#include "board.h"
#include "puzzle_text.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage = R"(Usage: zifrel-batch [--solve | --pass N | --cell N] [--candidates]

Reads puzzles from standard input, one per line: 81 characters, row by row
from the top left, each 1-9 for a given digit and 0 or . for an empty cell.
A trailing carriage return is ignored and blank lines are skipped.

For each puzzle, starts from a fresh board, loads the puzzle and runs:
  --solve       sweep until a sweep changes nothing (the default)
  --pass N      sweep over all cells N times
  --cell N      go back to the top left cell, then work on N cells in turn

Writes one line per puzzle: the 81 cells, each its digit or 0. With
  --candidates  the 81 cells separated by single spaces instead, each a filled
                cell's digit, an empty cell's open digits in ascending order
                (1259), or - for an empty cell with no digit left open.

A line that is not a puzzle gets no output line and a message on standard
error with its line number; the other lines are still processed.
Exit status: 0 when every line was a puzzle, 1 when one was not, 2 on a bad
option.
)";

enum class Command { Solve, Pass, Cell };

struct Options {
    Command command = Command::Solve;
    unsigned long long count = 0;
    bool candidates = false;
};

std::optional<unsigned long long> ParseCount(std::string_view text)
{
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Returns nullopt after printing usage when the arguments make no sense.
std::optional<Options> ParseOptions(int argc, char** argv, bool& help)
{
    Options options;
    bool commandGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return options;
        }
        if (arg == "--candidates") {
            options.candidates = true;
            continue;
        }
        const bool takesCount = arg == "--pass" || arg == "--cell";
        if (commandGiven || (arg != "--solve" && !takesCount))
            return std::nullopt;
        commandGiven = true;
        if (arg == "--solve")
            continue;
        options.command = arg == "--pass" ? Command::Pass : Command::Cell;
        const auto count = i + 1 < argc ? ParseCount(argv[++i]) : std::nullopt;
        if (!count)
            return std::nullopt;
        options.count = *count;
    }
    return options;
}

// A sweep or a run of 81 cell steps that changes nothing leaves the board
// exactly as it was, so every later one would change nothing too: stopping
// there gives the same board as running all N.
void RunCommand(CBoard& board, const Options& options)
{
    switch (options.command) {
    case Command::Solve:
        board.OnSolve();
        break;
    case Command::Pass:
        for (unsigned long long i = 0; i < options.count && board.DoPass(); ++i) {
        }
        break;
    case Command::Cell: {
        board.OnStart();
        unsigned long long unchanged = 0;
        for (unsigned long long i = 0; i < options.count && unchanged < kCellCount; ++i)
            unchanged = board.OnCellStep() ? 0 : unchanged + 1;
        break;
    }
    }
}

std::string CandidatesField(const CCell& cell)
{
    if (cell.GetValue() != 0)
        return std::to_string(cell.GetValue());
    std::string field;
    for (int d = 1; d <= 9; ++d)
        if (cell.IsOpen(d))
            field += static_cast<char>('0' + d);
    return field.empty() ? "-" : field;
}

std::string FormatBoard(const CBoard& board, bool candidates)
{
    std::string line;
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = board.Working()[i];
        if (candidates) {
            if (i != 0)
                line += ' ';
            line += CandidatesField(cell);
        } else {
            line += static_cast<char>('0' + cell.GetValue());
        }
    }
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    bool help = false;
    const auto options = ParseOptions(argc, argv, help);
    if (help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }

    std::ios::sync_with_stdio(false);
    int status = 0;
    std::string line;
    for (unsigned long long number = 1; std::getline(std::cin, line); ++number) {
        if (line.empty() || line == "\r")
            continue;
        std::string error;
        const auto values = ParsePuzzleLine(line, &error);
        if (!values) {
            std::cerr << "zifrel-batch: line " << number << ": " << error << '\n';
            status = 1;
            continue;
        }
        CBoard board;
        board.LoadValues(*values);
        RunCommand(board, *options);
        std::cout << FormatBoard(board, options->candidates) << '\n';
    }
    return status;
}
