// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The deduction of CSweep (deduction.h) run on many boards side by side,
// one board per 16-bit lane of the processor's vector registers: each step
// works on the same cell of every board with the same branch-free vector
// operations, cell 0 of all boards, then cell 1, and so on, so that every
// board sees exactly the sweeps CSweep would run on it alone. A board that
// is done leaves its lane at the end of a sweep and the next board takes
// it. No reasons are kept: this is for callers that want only the boards.

// One board, in and out: each cell's value (0 for an empty cell) and its
// ruled-out digits as a DigitMask (cell.h). A filled cell must have every
// other digit ruled out, as CCell::SetValue leaves it.
struct CLaneBoard {
    std::uint8_t value[81];
    std::uint16_t excluded[81];
};

// The instruction sets the lanes run on: on x86-64, 16 lanes of AVX-512
// (BW and VL, in 256-bit vectors), 16 of AVX2 or 8 of SSE2 (which every
// x86-64 processor has); on other processors, 8 lanes of the compiler's
// portable vector code.
enum class LaneSet { Avx512, Avx2, Sse2, Portable };

// The best set this processor runs, found at run time. The environment
// variable ZIFREL_LANES (avx512, avx2, sse2 or portable) asks for another, for
// tests; a set the processor cannot run is never chosen.
LaneSet ChosenLaneSet();
bool LaneSetRuns(LaneSet set);
const char* LaneSetName(LaneSet set);

// Runs on each board up to maxSweeps sweeps, stopping after one that
// changes nothing (every later one would change nothing too, so the board
// is the same as after all of them): with kUntilUnchanged, what Solve
// runs; with N, what N Passes run. The boards are replaced by the results.
inline constexpr unsigned long long kUntilUnchanged = ~0ull;
void RunLanes(std::span<CLaneBoard> boards, unsigned long long maxSweeps, LaneSet set);
