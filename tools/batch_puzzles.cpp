// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "batch_puzzles.h"

#include "puzzle_text.h"
#include "random.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <string_view>
#include <unistd.h>

namespace {

// A whole decimal number of 0 to 2^64 - 1 and nothing else.
std::optional<std::uint64_t> WholeNumber(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || failure != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::uint64_t SeedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto nanoseconds =
        static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // Two runs started in the same instant still differ by their process.
    return nanoseconds ^ static_cast<std::uint64_t>(::getpid()) << 40;
}

} // namespace

OptionTaken TakePuzzleOption(std::string_view option, const char* text, CPuzzleOptions& options, std::string& error)
{
    if (option == "--grade") {
        options.grade = true;
        return OptionTaken::Yes;
    }
    if (option == "--generate") {
        const auto count = WholeNumber(text);
        if (!count || *count == 0 || *count > kMostPuzzles) {
            error = "--generate takes a number of puzzles from 1 to " + std::to_string(kMostPuzzles) + ", not '" + text
                + "'";
            return OptionTaken::Wrong;
        }
        options.generate = count;
        return OptionTaken::Yes;
    }
    if (option == "--level") {
        const auto level = WholeNumber(text);
        if (!level || *level < 1 || *level > 4) {
            error = std::string("--level takes 1, 2, 3 or 4, not '") + text + "'";
            return OptionTaken::Wrong;
        }
        options.level = static_cast<Level>(*level);
        return OptionTaken::Yes;
    }
    if (option == "--symmetry") {
        const std::string_view name = text;
        if (name != "none" && name != "rotate180") {
            error = std::string("--symmetry takes none or rotate180, not '") + text + "'";
            return OptionTaken::Wrong;
        }
        options.symmetry = name == "none" ? Symmetry::None : Symmetry::Rotate180;
        return OptionTaken::Yes;
    }
    if (option == "--seed") {
        options.seed = WholeNumber(text);
        if (!options.seed) {
            error = std::string("--seed takes a whole number from 0 to 18446744073709551615, not '") + text + "'";
            return OptionTaken::Wrong;
        }
        return OptionTaken::Yes;
    }
    return OptionTaken::No;
}

void WriteGradeLine(COutput& out, const Values& values, const CPuzzleCheck& check)
{
    // The line built in place: a million puzzles a second go through here.
    // The puzzle's cells are read as puzzles: 0 to 9 each.
    static constexpr char kCell[] = ".123456789";
    char line[kCellCount + 6];
    for (std::size_t i = 0; i < kCellCount; ++i)
        line[i] = kCell[values[i]];
    const std::string_view tail = check.solutions == 0 ? " 0 -\n" : check.solutions == 1 ? " 1 L\n" : " 2+ -\n";
    std::copy(tail.begin(), tail.end(), line + kCellCount);
    if (check.solutions == 1)
        line[kCellCount + 3] = static_cast<char>('0' + static_cast<int>(check.level));
    out.Append(std::string_view(line, kCellCount + tail.size()));
}

bool RunGenerate(const CPuzzleOptions& options, COutput& out, void (*say)(const std::string&))
{
    std::uint64_t seed = 0;
    if (options.seed) {
        seed = *options.seed;
    } else {
        seed = SeedFromClock();
        say("seed " + std::to_string(seed));
    }
    // Each puzzle from its own seed, drawn in turn from the one given.
    using Clock = std::chrono::steady_clock;
    auto flushed = Clock::now();
    for (std::uint64_t n = 0; n < options.generate.value_or(0); ++n) {
        const auto puzzle = Generate(CRandom::SplitMix64(seed), options.level.value_or(Level::Any),
                                     options.symmetry.value_or(Symmetry::Rotate180));
        out.Append(FormatPuzzleLine(*puzzle));
        out.Append('\n');
        // Puzzles of a rare level take a while: whoever watches sees each
        // within a tenth of a second.
        if (Clock::now() - flushed > std::chrono::milliseconds(100)) {
            out.Flush();
            flushed = Clock::now();
        }
        if (out.Failed())
            return false;
    }
    return out.Flush();
}
