// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "lane_engine.h"

#include "lane_kernel.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

bool LaneSetRuns(LaneSet set)
{
#if defined(__x86_64__)
    switch (set) {
    case LaneSet::Avx512: return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl");
    case LaneSet::Avx2: return __builtin_cpu_supports("avx2");
    case LaneSet::Sse2: return true;
    case LaneSet::Portable: return false;
    }
    return false;
#else
    return set == LaneSet::Portable;
#endif
}

LaneSet ChosenLaneSet()
{
    static const LaneSet chosen = [] {
        if (const char* asked = std::getenv("ZIFREL_LANES")) {
            for (const LaneSet set : {LaneSet::Avx512, LaneSet::Avx2, LaneSet::Sse2, LaneSet::Portable}) {
                std::string_view name = LaneSetName(set);
                if (name.size() == std::string_view(asked).size()
                    && std::equal(name.begin(), name.end(), asked,
                                  [](char a, char b) { return (a | 0x20) == (b | 0x20); })
                    && LaneSetRuns(set))
                    return set;
            }
        }
        for (const LaneSet set : {LaneSet::Avx512, LaneSet::Avx2, LaneSet::Sse2})
            if (LaneSetRuns(set))
                return set;
        return LaneSet::Portable;
    }();
    return chosen;
}

const char* LaneSetName(LaneSet set)
{
    switch (set) {
    case LaneSet::Avx512: return "AVX512";
    case LaneSet::Avx2: return "AVX2";
    case LaneSet::Sse2: return "SSE2";
    case LaneSet::Portable: return "portable";
    }
    return "";
}

void RunLanes(std::span<CLaneBoard> boards, unsigned long long maxSweeps, LaneSet set)
{
    if (maxSweeps == 0 || boards.empty())
        return;
#if defined(__x86_64__)
    if (set == LaneSet::Avx512 && LaneSetRuns(set)) {
        RunLanesAvx512(boards.data(), boards.size(), maxSweeps);
        return;
    }
    if (set == LaneSet::Avx2 && LaneSetRuns(set)) {
        RunLanesAvx2(boards.data(), boards.size(), maxSweeps);
        return;
    }
#endif
    (void)set;
    RunLanesBaseline(boards.data(), boards.size(), maxSweeps);
}
