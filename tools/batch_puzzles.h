// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

// zifrel-batch --grade and --generate: its options, the line --grade
// writes for each puzzle, and the run of --generate.

#include "batch_io.h"
#include "puzzle_maker.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct CPuzzleOptions {
    bool grade = false;
    // --generate N: how many puzzles.
    std::optional<std::uint64_t> generate;
    std::optional<Level> level;
    std::optional<Symmetry> symmetry;
    std::optional<std::uint64_t> seed;
};

enum class OptionTaken { No, Yes, Wrong };
// When option is --grade, --generate, --level, --symmetry or --seed, takes
// it and its value (null for --grade) into options: Yes, or Wrong with
// error saying what is wrong in one line. No for any other option.
OptionTaken TakePuzzleOption(std::string_view option, const char* value, CPuzzleOptions& options, std::string& error);

// --generate N more puzzles than this is refused: at some thousands a
// second, more would run for days.
inline constexpr std::uint64_t kMostPuzzles = 1000000000;

// Writes to out what --grade writes for one puzzle, with its LF: the puzzle
// ("." for an empty cell), the number of its solutions (0, 1, or 2+ for
// more than one) and its level (1 to 4, or - when it has not exactly one
// solution), as check found them.
void WriteGradeLine(COutput& out, const Values& values, const CPuzzleCheck& check);

// Writes options.generate new puzzles, one line each, to out, and says on
// standard error (through say) the seed it took from the clock when none
// was given. Returns false when out failed.
bool RunGenerate(const CPuzzleOptions& options, COutput& out, void (*say)(const std::string&));
