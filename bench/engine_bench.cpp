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

// Runs command on a fresh board loaded with each puzzle of the set in turn.
template <typename Command>
void OverSet(benchmark::State& state, const std::string& name, Command command)
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
        benchmark::DoNotOptimize(command(board));
        next = (next + 1) % puzzles.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void SolveSet(benchmark::State& state, const std::string& name)
{
    OverSet(state, name, [](CBoard& board) { return board.OnSolve(); });
}

void PassOnce(benchmark::State& state)
{
    OverSet(state, "expert", [](CBoard& board) { return board.DoPass(); });
}

} // namespace

BENCHMARK_CAPTURE(SolveSet, simple, std::string("simple"));
BENCHMARK_CAPTURE(SolveSet, easy, std::string("easy"));
BENCHMARK_CAPTURE(SolveSet, intermediate, std::string("intermediate"));
BENCHMARK_CAPTURE(SolveSet, expert, std::string("expert"));
BENCHMARK(PassOnce);

BENCHMARK_MAIN();
