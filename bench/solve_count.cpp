// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Solve of every puzzle of the four shared sets, each loaded on a fresh
// board as the engine benchmark does, for counting instructions and branch
// mispredictions under cachegrind (bench/count), which repeat exactly
// where timings here do not.
//
// solve_count kept|skipped|plain [ROUNDS]: with reasons (the window's
// Solve), without them, or the plain loop of plain_rules.h; all puzzles
// ROUNDS times (default 1). Only SolveAll is counted, so that loading the
// sets does not count.

#include "board.h"
#include "puzzle_sets.h"
#ifndef ZIFREL_COUNT_KEPT_ONLY
#include "plain_rules.h"
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

enum class Mode { Kept, Skipped, Plain };

[[gnu::noinline]] long SolveAll(const std::vector<Values>& puzzles, [[maybe_unused]] Mode mode, int rounds)
{
    long sweeps = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const Values& values : puzzles) {
#ifndef ZIFREL_COUNT_KEPT_ONLY
            if (mode == Mode::Plain) {
                plain::CSolver solver(values.data());
                sweeps += solver.Solve();
                continue;
            }
#endif
            CBoard board;
#ifndef ZIFREL_COUNT_KEPT_ONLY
            if (mode == Mode::Skipped)
                board.SetReasons(Reasons::Skipped);
#endif
            board.LoadValues(values);
            sweeps += board.OnSolve();
        }
    }
    return sweeps;
}

} // namespace

int main(int argc, char** argv)
{
    const char* const modes[] = {"kept", "skipped", "plain"};
    int mode = 0;
    while (argc > 1 && mode < 3 && std::strcmp(argv[1], modes[mode]) != 0)
        ++mode;
#ifdef ZIFREL_COUNT_KEPT_ONLY
    const int known = 1;
#else
    const int known = 3;
#endif
    if (argc < 2 || argc > 3 || mode >= known) {
        std::fprintf(stderr, "usage: solve_count kept|skipped|plain [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc == 3 ? std::atoi(argv[2]) : 1;
    std::vector<Values> puzzles;
    for (const char* name : {"simple", "easy", "intermediate", "expert"})
        for (const Values& values : LoadPuzzleSet(name))
            puzzles.push_back(values);
    const long sweeps = SolveAll(puzzles, static_cast<Mode>(mode), rounds);
    std::printf("%zu solves, %ld sweeps\n", puzzles.size() * static_cast<std::size_t>(rounds), sweeps);
    return 0;
}
