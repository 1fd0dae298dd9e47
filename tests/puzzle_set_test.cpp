// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Every puzzle of the test sets, each with its unique solution: logic may
// place only the solution's digit and rule out only digits that are not it.

#include "board.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// Empty when the board agrees with the solution, else the first conflict.
std::string ConflictWithSolution(const CBoard& board, const std::string& solution)
{
    for (int i = 0; i < kCellCount; ++i) {
        const CCell& cell = board.Working()[i];
        const int digit = solution[static_cast<std::size_t>(i)] - '0';
        if (cell.GetValue() != 0 && cell.GetValue() != digit)
            return "cell " + std::to_string(i) + " holds " + std::to_string(cell.GetValue()) + ", solution "
                + std::to_string(digit);
        if (!cell.IsOpen(digit))
            return "cell " + std::to_string(i) + " rules out its solution " + std::to_string(digit);
    }
    return {};
}

class PuzzleSet : public testing::TestWithParam<std::string> {};

TEST_P(PuzzleSet, SolvePlacesOnlySolutionDigitsAndNeverRulesOneOut)
{
    const auto puzzles = LoadPuzzleSet(GetParam());
    ASSERT_EQ(puzzles.size(), 100u);
    int solved = 0;
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        CBoard board;
        board.LoadValues(ValuesFrom(puzzles[n].puzzle));
        // Flags only grow during Solve, so checking after each sweep would
        // find nothing the final check misses; a single sweep is checked
        // too, for the intermediate states a user sees after Pass.
        board.OnPass();
        EXPECT_EQ(ConflictWithSolution(board, puzzles[n].solution), "") << GetParam() << " line " << n + 1;
        board.OnSolve();
        EXPECT_EQ(ConflictWithSolution(board, puzzles[n].solution), "") << GetParam() << " line " << n + 1;
        solved += CellsOf(board.WorkingValues()) == puzzles[n].solution;
    }
    RecordProperty("solved", solved);
    std::cout << GetParam() << ": " << solved << " of " << puzzles.size() << " solved\n";
    if (GetParam() == "simple") {
        EXPECT_EQ(solved, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(AllSets, PuzzleSet, testing::Values("simple", "easy", "intermediate", "expert"));

} // namespace
