// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Solve with a chosen set of the deduction's rules, for grading: the
// board's own sweep with fewer rules (CSweepOf), without reasons. With
// fewer rules, cells have fewer digits ruled out, which changes what rules
// 4, 5 and 9 see, so the rules are applied over the sweep's own flags,
// never filtered from a sweep with all of them.
#include "puzzle_maker.h"

#include "deduction.h"
#include "solution_search.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace {

// A board loaded as CBoard::LoadValues loads it; a value outside 1 to 9
// leaves its cell empty.
Grid GridOf(const Values& values)
{
    Grid grid;
    for (std::size_t i = 0; i < grid.size(); ++i)
        grid[i].SetValue(values[i] >= 1 && values[i] <= 9 ? values[i] : 0);
    return grid;
}

bool Filled(const Grid& grid)
{
    return std::all_of(grid.begin(), grid.end(), [](const CCell& cell) { return cell.GetValue() != 0; });
}

// Sweeps with the rules of kRules until a sweep changes nothing; returns
// how many it ran.
template <Rules kRules>
int SweepWith(Grid& grid)
{
    CSweepOf<Reasons::Skipped, kRules> sweep(grid);
    int sweeps = 1;
    while (sweep.Pass())
        ++sweeps;
    return sweeps;
}

int SolveWith(Grid& grid, Level level)
{
    switch (level) {
    case Level::Singles: return SweepWith<Rules::Singles>(grid);
    case Level::BoxAndLine: return SweepWith<Rules::BoxAndLine>(grid);
    default: return SweepWith<Rules::All>(grid);
    }
}

} // namespace

bool CRuleSolve::Finished() const { return std::find(values.begin(), values.end(), 0) == values.end(); }

CRuleSolve SolveWithRules(const Values& values, Level level)
{
    Grid grid = GridOf(values);
    CRuleSolve solved;
    solved.sweeps = SolveWith(grid, level);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        solved.values[i] = grid[i].GetValue();
        solved.excluded[i] = grid[i].ExcludedMask();
    }
    return solved;
}

// Each level's rules include those before, and every rule is sound: on
// a board with a solution it never rules out a digit that a solution has
// there. Rules that only add what they see, applied in any order until
// nothing changes, end in the same place, so Solve with more rules may go on
// from where Solve with fewer stopped instead of starting again: the
// board's level comes for the price of one Solve. (The pairs of rules 6 and
// 7 drop out when one of their cells fills, but what they ruled out then
// follows from rules 1 and 8.) The tests hold this to solving each level
// from the start, on every puzzle of the test sets and on many others.
namespace {

// Solve with the rules of each level in turn, up to last, going on from
// where the one before stopped; the level is the first with which every
// cell fills, and the one after last when none does.
Level GradeWith(Grid grid, Level last)
{
    for (const Level level : {Level::Singles, Level::BoxAndLine, Level::Pairs}) {
        SolveWith(grid, level);
        if (Filled(grid))
            return level;
        if (level == last)
            break;
    }
    return static_cast<Level>(static_cast<int>(last) + 1);
}

// CheckPuzzle given what Solve with all the rules left of values: every
// cell's ruled-out digits, and whether it filled every cell.
//
// Each digit the rules rule out, and each cell they fill, holds in every
// solution there is (on a board without one, vacuously): the solutions of
// the board as Solve leaves it are the board's own. On a board Solve
// filled, the count only checks that no digit stands twice in a unit.
//
// On a board with a solution, fewer rules never get further than more:
// what all the rules leave is a board none of the fewer rules changes, and
// those rules only ever add to what they see, so what they leave from the
// start lies below it. The level is therefore BeyondTheRules when all the
// rules leave a cell open, and otherwise the first level that finishes.
CPuzzleCheck CheckSolved(const Values& values, std::span<const DigitMask, kCellCount> excluded, bool finished)
{
    CPuzzleCheck check;
    CSolutionSearch search;
    search.LoadExcluded(excluded);
    check.solutions = search.Count(2, &check.solution);
    check.level =
        finished && check.solutions == 1 ? GradeWith(GridOf(values), Level::BoxAndLine) : Level::BeyondTheRules;
    return check;
}

} // namespace

Level Grade(const Values& values) { return GradeWith(GridOf(values), Level::Pairs); }

CPuzzleCheck CheckPuzzle(const Values& values)
{
    const CRuleSolve solved = SolveWithRules(values, Level::Pairs);
    return CheckSolved(values, solved.excluded, solved.Finished());
}

CPuzzleCheck CheckSolvedPuzzle(const Values& values, const CLaneBoard& solved)
{
    const bool finished = std::find(std::begin(solved.value), std::end(solved.value), 0) == std::end(solved.value);
    return CheckSolved(values, std::span<const DigitMask, kCellCount>(solved.excluded), finished);
}

std::string_view LevelName(Level level)
{
    switch (level) {
    case Level::Any: return "Any level";
    case Level::Singles: return "Singles";
    case Level::BoxAndLine: return "Box and line";
    case Level::Pairs: return "Pairs";
    case Level::BeyondTheRules: return "Beyond the rules";
    }
    return "";
}
