// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "batch_puzzles.h"

#include "puzzle_text.h"
#include "random.h"

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

std::string GradeLine(const Values& values, const CPuzzleCheck& check)
{
    std::string line = FormatPuzzleLine(values);
    line += check.solutions == 0 ? " 0 -\n" : check.solutions == 1 ? " 1 " : " 2+ -\n";
    if (check.solutions == 1) {
        line += static_cast<char>('0' + static_cast<int>(check.level));
        line += '\n';
    }
    return line;
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
