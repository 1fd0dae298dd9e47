// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The solution counter on its hardest boards against the median expert
// puzzle. "count_bench" prints "expert MEDIAN-US" (CountSolutions with its
// limit of 2, the median over the shared expert set) and for each board of
// tests/data/hard_boards.txt "board NAME MICROSECONDS GUESSES SOLUTIONS".
//
// "count_bench climb SEED ROUNDS" looks for more such boards: hill-climbing
// from a random sparse board, a given added, taken away or changed at a
// time, keeping each change that does not lower the counter's guesses. It
// prints the board and its guesses whenever they grow.

#include "puzzle_maker.h"
#include "puzzle_sets.h"
#include "random.h"
#include "solution_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Where the counts go, so that none is left out as unused.
volatile int sink = 0;

// Guesses and solutions (up to 2) of a board.
std::pair<long, int> Hardness(const Values& values)
{
    CSolutionSearch search;
    if (!search.Load(values))
        return {0, 0};
    const int solutions = search.Count(2);
    return {search.Guesses(), solutions};
}

// Microseconds of one CountSolutions, the best of rounds.
double Timed(const Values& values, int rounds)
{
    double best = 1e30;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        sink = sink + CountSolutions(values).count;
        best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return best;
}

bool Fits(const Values& values, int index, int digit)
{
    for (int j = 0; j < kCellCount; ++j)
        if (j != index && values[static_cast<std::size_t>(j)] == digit
            && kGeometry.peers[static_cast<std::size_t>(index)].Has(j))
            return false;
    return true;
}

// One change: a given added, taken away or changed, keeping the givens
// apart from each other's rows, columns and boxes.
Values Mutated(Values values, CRandom& random)
{
    for (;;) {
        const int index = static_cast<int>(random.Below(kCellCount));
        const int digit = static_cast<int>(1 + random.Below(9));
        int& cell = values[static_cast<std::size_t>(index)];
        if (cell != 0 && random.Below(2) == 0) {
            cell = 0;
            return values;
        }
        if (Fits(values, index, digit)) {
            cell = digit;
            return values;
        }
    }
}

int Climb(std::uint64_t seed, int rounds)
{
    CRandom random(seed);
    Values board{};
    for (int k = 0; k < 24; ++k)
        board = Mutated(board, random);
    long best = Hardness(board).first;
    for (int round = 0; round < rounds; ++round) {
        const Values next = Mutated(board, random);
        const auto [guesses, solutions] = Hardness(next);
        if (guesses < best)
            continue;
        if (guesses > best)
            std::printf("%s %ld %d\n", FormatPuzzleLine(next).c_str(), guesses, solutions);
        std::fflush(stdout);
        best = guesses;
        board = next;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "climb") == 0)
        return Climb(std::strtoull(argv[2], nullptr, 10), std::atoi(argv[3]));
    if (argc != 1) {
        std::fprintf(stderr, "usage: count_bench [climb SEED ROUNDS]\n");
        return 2;
    }
    std::vector<double> times;
    for (const Values& values : LoadPuzzleSet("expert"))
        times.push_back(Timed(values, 20));
    std::sort(times.begin(), times.end());
    std::printf("expert %.3f\n", times[times.size() / 2]);
    std::ifstream in(ZIFREL_HARD_BOARDS);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, text;
        fields >> name >> text;
        const auto values = ParsePuzzleLine(text);
        if (!values)
            continue;
        const auto [guesses, solutions] = Hardness(*values);
        std::printf("board %s %.3f %ld %d\n", name.c_str(), Timed(*values, 5), guesses, solutions);
    }
    return 0;
}
