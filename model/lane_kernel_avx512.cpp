// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The lane engine for x86-64 processors with AVX-512BW and AVX-512VL: the
// 16 lanes of the AVX2 kernel, in the same 256-bit vectors, built with the
// instructions AVX-512 adds to them: a compare into a mask register and a
// select by it, and any logic of three vectors in one instruction. 32
// lanes in 512-bit vectors ran no faster than AVX2 here, on a processor
// that works on them in two halves. This file alone is compiled for AVX-512; it is only called
// once the processor has been found to run it.
#include "board_geometry.h"
#include "lane_kernel.h"

namespace {
constexpr int kLanes = 16;
#include "lane_kernel.inc"
} // namespace

void RunLanesAvx512(CLaneBoard* boards, std::size_t count, unsigned long long maxSweeps)
{
    RunKernel(boards, count, maxSweeps);
}
