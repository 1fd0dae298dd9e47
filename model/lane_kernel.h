// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The lane engine's kernels, one per instruction set, each compiled in a
// file of its own from lane_kernel.inc. Private to the lane engine.
#pragma once

#include "lane_engine.h"

#include <cstddef>

// maxSweeps is at least 1.
void RunLanesBaseline(CLaneBoard* boards, std::size_t count, unsigned long long maxSweeps);
#if defined(__x86_64__)
void RunLanesAvx2(CLaneBoard* boards, std::size_t count, unsigned long long maxSweeps);
void RunLanesAvx512(CLaneBoard* boards, std::size_t count, unsigned long long maxSweeps);
#endif
