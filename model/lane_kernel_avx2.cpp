// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The lane engine for x86-64 processors with AVX2: 16 lanes of 16 bits in
// 256-bit vectors. This file alone is compiled for AVX2; it is only called
// once the processor has been found to run it.
#include "board_geometry.h"
#include "lane_kernel.h"

namespace {
constexpr int kLanes = 16;
#include "lane_kernel.inc"
} // namespace

void RunLanesAvx2(CLaneBoard* boards, std::size_t count, unsigned long long maxSweeps)
{
    RunKernel(boards, count, maxSweeps);
}
