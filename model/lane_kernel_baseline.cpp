// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The lane engine for every processor: 8 lanes of 16 bits in 128-bit
// vectors, which x86-64 runs as SSE2 and other processors as their own
// vector instructions or, failing those, as plain loops.
#include "board_geometry.h"
#include "lane_kernel.h"

namespace {
constexpr int kLanes = 8;
#include "lane_kernel.inc"
} // namespace

void RunLanesBaseline(CLaneBoard* boards, std::size_t count, unsigned long long maxSweeps)
{
    RunKernel(boards, count, maxSweeps);
}
