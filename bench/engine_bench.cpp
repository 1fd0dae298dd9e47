// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The engine without a window: Solve of one puzzle from a fresh board to
// the last sweep, averaged over a whole set, as the window runs it (reasons
// kept), without reasons (as zifrel-batch --cell runs it), in the lanes (as
// zifrel-batch --solve runs it), and as the reference deduction of the
// tests, the rules written the plain way, without reasons.

#include "board.h"
#include "lane_engine.h"
#include "puzzle_sets.h"
#include "reference_deduction.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Runs command on a fresh board loaded with each puzzle of the set in turn.
template <typename Command>
void OverSet(benchmark::State& state, const std::string& name, Reasons reasons, Command command)
{
    const std::vector<Values> puzzles = LoadPuzzleSet(name);
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        CBoard board;
        board.SetReasons(reasons);
        board.LoadValues(puzzles[next]);
        benchmark::DoNotOptimize(command(board));
        next = (next + 1) % puzzles.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void SolveSet(benchmark::State& state, const std::string& name)
{
    OverSet(state, name, Reasons::Kept, [](CBoard& board) { return board.OnSolve(); });
}

void SolveWithoutReasons(benchmark::State& state, const std::string& name)
{
    OverSet(state, name, Reasons::Skipped, [](CBoard& board) { return board.OnSolve(); });
}

void PassOnce(benchmark::State& state)
{
    OverSet(state, "expert", Reasons::Kept, [](CBoard& board) { return board.DoPass(); });
}

CLaneBoard LaneBoardOf(const Values& values)
{
    CLaneBoard board{};
    for (int i = 0; i < kCellCount; ++i) {
        board.value[i] = static_cast<std::uint8_t>(values[static_cast<std::size_t>(i)]);
        board.excluded[i] = board.value[i] ? static_cast<DigitMask>(kAllDigits & ~DigitBit(board.value[i])) : 0;
    }
    return board;
}

// The reference's Solve, each puzzle loaded as the engine rows load it,
// after checking that it solves every puzzle of the set to the board the
// engine leaves, in as many sweeps.
void PlainLoop(benchmark::State& state, const std::string& name)
{
    const std::vector<Values> puzzles = LoadPuzzleSet(name);
    for (const Values& values : puzzles) {
        CBoard solved;
        solved.LoadValues(values);
        const int sweeps = ReferenceSolve(solved.Working(), Rules::All, Reasons::Skipped);
        CBoard board;
        board.SetReasons(Reasons::Skipped);
        board.LoadValues(values);
        bool same = board.OnSolve() == sweeps;
        for (int i = 0; i < kCellCount; ++i)
            same = same && solved.Working()[i].State() == board.Working()[i].State();
        if (!same) {
            state.SkipWithError("the reference and the engine differ");
            return;
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        CBoard board;
        board.LoadValues(puzzles[next]);
        benchmark::DoNotOptimize(ReferenceSolve(board.Working(), Rules::All, Reasons::Skipped));
        next = (next + 1) % puzzles.size();
    }
    state.SetItemsProcessed(state.iterations());
}

// The whole set at once in the lanes, per puzzle.
void Lanes(benchmark::State& state, const std::string& name)
{
    std::vector<CLaneBoard> puzzles;
    for (const Values& values : LoadPuzzleSet(name))
        puzzles.push_back(LaneBoardOf(values));
    std::vector<CLaneBoard> boards;
    for (auto _ : state) {
        boards = puzzles;
        RunLanes(boards, kUntilUnchanged, ChosenLaneSet());
        benchmark::DoNotOptimize(boards.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(puzzles.size()));
    state.SetLabel(LaneSetName(ChosenLaneSet()));
}

} // namespace

BENCHMARK_CAPTURE(SolveSet, simple, std::string("simple"));
BENCHMARK_CAPTURE(SolveSet, easy, std::string("easy"));
BENCHMARK_CAPTURE(SolveSet, intermediate, std::string("intermediate"));
BENCHMARK_CAPTURE(SolveSet, expert, std::string("expert"));
BENCHMARK_CAPTURE(SolveWithoutReasons, simple, std::string("simple"));
BENCHMARK_CAPTURE(SolveWithoutReasons, easy, std::string("easy"));
BENCHMARK_CAPTURE(SolveWithoutReasons, intermediate, std::string("intermediate"));
BENCHMARK_CAPTURE(SolveWithoutReasons, expert, std::string("expert"));
BENCHMARK_CAPTURE(PlainLoop, simple, std::string("simple"));
BENCHMARK_CAPTURE(PlainLoop, easy, std::string("easy"));
BENCHMARK_CAPTURE(PlainLoop, intermediate, std::string("intermediate"));
BENCHMARK_CAPTURE(PlainLoop, expert, std::string("expert"));
BENCHMARK_CAPTURE(Lanes, simple, std::string("simple"));
BENCHMARK_CAPTURE(Lanes, easy, std::string("easy"));
BENCHMARK_CAPTURE(Lanes, intermediate, std::string("intermediate"));
BENCHMARK_CAPTURE(Lanes, expert, std::string("expert"));
BENCHMARK(PassOnce);

BENCHMARK_MAIN();
