// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Solve of every puzzle of the four shared sets, each loaded on a fresh
// board as the engine benchmark does, or its grade, for counting
// instructions and branch mispredictions under cachegrind (bench/count),
// which repeat exactly where timings here do not.
//
// solve_count kept|grade|skipped|plain [ROUNDS]: Solve with reasons (the
// window's), Grade, Solve without reasons, or the reference deduction of
// the tests; all puzzles ROUNDS times (default 1). Only SolveAll is
// counted, so that loading the sets does not count. Built against an older
// tree (ZIFREL_COUNT_BASELINE), only the first two.

#include "board.h"
#include "puzzle_maker.h"
#include "puzzle_sets.h"
#ifndef ZIFREL_COUNT_BASELINE
#include "reference_deduction.h"
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

enum class Mode { Kept, Grade, Skipped, Plain };

[[gnu::noinline]] long SolveAll(const std::vector<Values>& puzzles, Mode mode, int rounds)
{
    long sweeps = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const Values& values : puzzles) {
            if (mode == Mode::Grade) {
                sweeps += static_cast<long>(Grade(values));
                continue;
            }
            CBoard board;
#ifndef ZIFREL_COUNT_BASELINE
            if (mode == Mode::Skipped)
                board.SetReasons(Reasons::Skipped);
#endif
            board.LoadValues(values);
#ifndef ZIFREL_COUNT_BASELINE
            if (mode == Mode::Plain) {
                sweeps += ReferenceSolve(board.Working(), Rules::All, Reasons::Skipped);
                continue;
            }
#endif
            sweeps += board.OnSolve();
        }
    }
    return sweeps;
}

} // namespace

int main(int argc, char** argv)
{
    const char* const modes[] = {"kept", "grade", "skipped", "plain"};
    int mode = 0;
    while (argc > 1 && mode < 4 && std::strcmp(argv[1], modes[mode]) != 0)
        ++mode;
#ifdef ZIFREL_COUNT_BASELINE
    const int known = 2;
#else
    const int known = 4;
#endif
    if (argc < 2 || argc > 3 || mode >= known) {
        std::fprintf(stderr, "usage: solve_count kept|grade|skipped|plain [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc == 3 ? std::atoi(argv[2]) : 1;
    std::vector<Values> puzzles;
    for (const char* name : {"simple", "easy", "intermediate", "expert"})
        for (const Values& values : LoadPuzzleSet(name))
            puzzles.push_back(values);
    const long sweeps = SolveAll(puzzles, static_cast<Mode>(mode), rounds);
    std::printf("%zu runs, %ld sweeps or levels\n", puzzles.size() * static_cast<std::size_t>(rounds), sweeps);
    return 0;
}
