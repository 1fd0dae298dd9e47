// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <bit>
#include <cstdint>

// A random number generator whose every output is fixed by its seed on
// every machine, compiler and library: xoshiro256** (Blackman and Vigna),
// its state filled from the seed by SplitMix64, with bounded draws done
// here rather than by the standard library's distributions, whose results
// differ between libraries.
class CRandom {
public:
    explicit CRandom(std::uint64_t seed)
    {
        for (std::uint64_t& word : state_)
            word = SplitMix64(seed);
    }

    std::uint64_t Next()
    {
        const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = std::rotl(state_[3], 45);
        return result;
    }

    // A number from 0 to bound - 1, each equally likely (bound at least 1):
    // Lemire's multiply and shift, drawing again in the rare case that would
    // favour some numbers.
    std::uint32_t Below(std::uint32_t bound)
    {
        std::uint64_t product = (Next() >> 32) * bound;
        if (static_cast<std::uint32_t>(product) < bound) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
            while (static_cast<std::uint32_t>(product) < threshold)
                product = (Next() >> 32) * bound;
        }
        return static_cast<std::uint32_t>(product >> 32);
    }

    // The SplitMix64 step: advances state and returns its next output. Also
    // serves on its own to turn one seed into a sequence of seeds.
    static std::uint64_t SplitMix64(std::uint64_t& state)
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_[4];
};
