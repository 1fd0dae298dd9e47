// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// New puzzles one call at a time, as the window makes them on a worker
// thread: for each level and symmetry, the median and the worst time of one
// Generate over many seeds, and the levels that "any level" comes out as.
// Each call is timed on the clock and by the processor time of the thread,
// which leaves out the time the machine gave other processes meanwhile.
// Prints "level L SYMMETRY median-ms worst-ms calls cpu-median-ms
// cpu-worst-ms" and "mix SYMMETRY n1 n2 n3 n4" lines. "generate_bench N"
// takes N seeds per level (default 100).

#include "puzzle_maker.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Milliseconds of processor time this thread has used.
double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    const int calls = argc > 1 ? std::atoi(argv[1]) : 100;
    for (const Symmetry symmetry : {Symmetry::Rotate180, Symmetry::None}) {
        const char* name = symmetry == Symmetry::None ? "none" : "rotate180";
        int mix[5] = {};
        for (int level = 0; level <= 4; ++level) {
            std::vector<double> times, cpu;
            for (int seed = 0; seed < calls; ++seed) {
                const auto start = std::chrono::steady_clock::now();
                const double startCpu = ThreadMilliseconds();
                const auto puzzle =
                    Generate(static_cast<std::uint64_t>(seed) + 1000003 * static_cast<std::uint64_t>(level),
                             static_cast<Level>(level), symmetry);
                cpu.push_back(ThreadMilliseconds() - startCpu);
                times.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
                if (level == 0)
                    ++mix[static_cast<int>(Grade(*puzzle))];
            }
            std::sort(times.begin(), times.end());
            std::sort(cpu.begin(), cpu.end());
            std::printf("level %d %s %.3f %.3f %d %.3f %.3f\n", level, name, times[times.size() / 2], times.back(),
                        calls, cpu[cpu.size() / 2], cpu.back());
        }
        std::printf("mix %s %d %d %d %d\n", name, mix[1], mix[2], mix[3], mix[4]);
    }
    return 0;
}
