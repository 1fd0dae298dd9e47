// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

// Puzzles to work on: how many solutions a board has, how far Zifrel's own
// rules get with it, and new puzzles made to order.
//
// Every function here works on its arguments and its own locals only: none
// reads or writes anything shared, so any of them may run on a worker
// thread while the window goes on, several at once.

#include "cell.h"
#include "lane_engine.h"

#include <cstdint>
#include <optional>
#include <stop_token>
#include <string_view>

// The solutions of a board, counted up to a limit.
struct CSolutionCount {
    // The number of solutions, or the limit when there are at least that
    // many: with the usual limit of 2, 0, 1 or 2 meaning "two or more".
    int count = 0;
    // When count is at least 1, the first solution found, which is the
    // solution when count is 1; all zero when count is 0.
    Values solution{};
};

// Counts the ways to fill every empty cell (value 0) of values so that
// every row, column and box holds each digit 1 to 9 once, stopping at limit
// (at least 1; smaller limits count as 1). Givens that already contradict
// each other (a digit twice in a row, column or box) and values outside 0 to
// 9 count 0 at once; a full valid board counts 1. Bitmask backtracking,
// singles placed first, guessing on a cell's digits or on a digit's places
// in a row, column or box, whichever are fewer: a few microseconds for a
// puzzle with one solution, and an empty board, a 17-given puzzle, one with
// millions of solutions or a sparse one with none answer as quickly.
CSolutionCount CountSolutions(const Values& values, int limit = 2);

// A puzzle's level: the smallest set of the deduction's rules with which
// sweeps of UpdateCell over all cells, row by row, until a sweep changes
// nothing (Solve), fill every cell.
enum class Level : std::uint8_t {
    // Generate only: whatever level the puzzle comes out as.
    Any = 0,
    // Rules 1-3 (a digit placed in the row, column or box), 8 (one digit
    // left) and 9 (no other place in the box).
    Singles = 1,
    // Adds rules 4 and 5 (a neighbouring box confines the digit).
    BoxAndLine = 2,
    // All the rules, adding the pairs of rules 6 and 7: Solve finishes it.
    Pairs = 3,
    // Solve does not finish it: for practice by hand.
    BeyondTheRules = 4,
};
// "Singles", "Box and line", "Pairs", "Beyond the rules" ("Any level" for Any).
std::string_view LevelName(Level level);

// What Solve leaves when it may use only the rules of one level (1 to 3),
// each rule exactly as UpdateCell applies it, over its own ruled-out digits
// and with the same visiting order; for Level::Pairs it is exactly what
// CBoard::OnSolve leaves.
struct CRuleSolve {
    Values values{};
    // Each cell's ruled-out digits, as CCell::ExcludedMask gives them.
    std::array<DigitMask, kCellCount> excluded{};
    // Sweeps run, the last one changing nothing: what CBoard::OnSolve returns.
    int sweeps = 0;
    bool Finished() const;
};
// Loads values as CBoard::LoadValues does and solves with the rules of
// level (Singles, BoxAndLine or Pairs; anything else counts as Pairs).
CRuleSolve SolveWithRules(const Values& values, Level level);

// The level of the board: Singles, BoxAndLine or Pairs when Solve with
// those rules fills every cell, the first that does; BeyondTheRules when
// even all the rules leave a cell open. Only meaningful for a board with
// exactly one solution (see CountSolutions): a full board, right or wrong,
// grades Singles, and a board with several solutions BeyondTheRules.
// Takes about as long as one Solve: some microseconds.
Level Grade(const Values& values);

// What Check Puzzle tells: the number of solutions up to two, the solution
// when there is one, and then the level.
struct CPuzzleCheck {
    // 0, 1 or 2 meaning "two or more", as CountSolutions with its limit of 2.
    int solutions = 0;
    Values solution{};
    // Grade(values); only meaningful when solutions is 1.
    Level level = Level::BeyondTheRules;
};
// CountSolutions and Grade at once, for less than the two cost apart: the
// search for solutions starts from what Solve with all the rules has ruled
// out, since no solution can have a digit that the rules rule out, and is
// not needed at all when Solve fills every cell.
CPuzzleCheck CheckPuzzle(const Values& values);
// The same for a board on which Solve has already run from values, as the
// lanes of RunLanes run it on many at once: solved is what it left.
CPuzzleCheck CheckSolvedPuzzle(const Values& values, const CLaneBoard& solved);

enum class Symmetry : std::uint8_t {
    None,
    // The givens look the same turned half a turn: cell (r, c) is given
    // exactly when (8 - r, 8 - c) is. The classic look.
    Rotate180,
};

// A new puzzle: exactly one solution, exactly the level asked (any for
// Level::Any), givens laid out with the symmetry asked, and minimal:
// removing any one given leaves more than one solution. Made from seed
// alone by integer arithmetic, so the same seed, level and symmetry give
// the same puzzle on every machine and in every build.
//
// Draws a solution grid and takes givens away from it in a random order;
// a half-turn puzzle with a given that could still go alone swaps that
// given's pair for others, keeping the swaps that leave fewer givens, and
// a puzzle of another level than asked a given drawn at random, until the
// level and minimality come out as asked. Without symmetry that takes a
// fraction of a millisecond, and a few milliseconds for a given level; with
// the half turn about half a millisecond, and for a given level some
// milliseconds, the slowest of a thousand calls about ten times that: call
// it on a worker thread (the README has measured figures).
// Returns nullopt only when stop is requested, which it checks before each
// given it tries to take away, every few microseconds.
std::optional<Values> Generate(std::uint64_t seed, Level level = Level::Any, Symmetry symmetry = Symmetry::Rotate180,
                               std::stop_token stop = {});
