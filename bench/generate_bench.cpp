// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// New puzzles one call at a time, as the window makes them on a worker
// thread: for each level and symmetry, the median and the worst time of one
// Generate over many seeds, and the levels that "any level" comes out as.
// Prints "level L SYMMETRY median-ms worst-ms calls" and
// "mix SYMMETRY n1 n2 n3 n4" lines. "generate_bench N" takes N seeds per
// level (default 100).

#include "puzzle_maker.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int calls = argc > 1 ? std::atoi(argv[1]) : 100;
    for (const Symmetry symmetry : {Symmetry::Rotate180, Symmetry::None}) {
        const char* name = symmetry == Symmetry::None ? "none" : "rotate180";
        int mix[5] = {};
        for (int level = 0; level <= 4; ++level) {
            std::vector<double> times;
            for (int seed = 0; seed < calls; ++seed) {
                const auto start = std::chrono::steady_clock::now();
                const auto puzzle = Generate(static_cast<std::uint64_t>(seed) + 1000003 * static_cast<std::uint64_t>(level),
                                             static_cast<Level>(level), symmetry);
                times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
                if (level == 0)
                    ++mix[static_cast<int>(Grade(*puzzle))];
            }
            std::sort(times.begin(), times.end());
            std::printf("level %d %s %.3f %.3f %d\n", level, name, times[times.size() / 2], times.back(), calls);
        }
        std::printf("mix %s %d %d %d %d\n", name, mix[1], mix[2], mix[3], mix[4]);
    }
    return 0;
}
