// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The engine without a window: Solve of one puzzle from a fresh board to
// the last sweep, averaged over a whole set.

#include "board.h"
#include "puzzle_text.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<Values> LoadSet(const std::string& name)
{
    std::ifstream in(std::string(ZIFREL_PUZZLE_DIR) + "/" + name + ".csv");
    std::vector<Values> puzzles;
    for (std::string line; std::getline(in, line);)
        if (const auto values = ParsePuzzleLine(line.substr(0, line.find(','))))
            puzzles.push_back(*values);
    return puzzles;
}

void SolveSet(benchmark::State& state, const std::string& name)
{
    const std::vector<Values> puzzles = LoadSet(name);
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
    const std::vector<Values> puzzles = LoadSet("expert");
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
