// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The engine without a window: Solve of one puzzle from a fresh board to
// the last sweep, averaged over a whole set.

#include "board.h"
#include "puzzle_sets.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void SolveSet(benchmark::State& state, const std::string& name)
{
    const std::vector<Values> puzzles = LoadPuzzleSet(name);
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        CBoard board;
        board.LoadValues(puzzles[next]);
        benchmark::DoNotOptimize(board.OnSolve());
        next = (next + 1) % puzzles.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void PassOnce(benchmark::State& state)
{
    const std::vector<Values> puzzles = LoadPuzzleSet("expert");
    std::size_t next = 0;
    for (auto _ : state) {
        CBoard board;
        board.LoadValues(puzzles[next]);
        benchmark::DoNotOptimize(board.DoPass());
        next = (next + 1) % puzzles.size();
    }
}

} // namespace

BENCHMARK_CAPTURE(SolveSet, simple, std::string("simple"));
BENCHMARK_CAPTURE(SolveSet, easy, std::string("easy"));
BENCHMARK_CAPTURE(SolveSet, intermediate, std::string("intermediate"));
BENCHMARK_CAPTURE(SolveSet, expert, std::string("expert"));
BENCHMARK(PassOnce);

BENCHMARK_MAIN();
