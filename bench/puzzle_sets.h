// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_text.h"

#include <fstream>
#include <string>
#include <vector>

// The puzzles (not the solutions) of one test set, in file order.
inline std::vector<Values> LoadPuzzleSet(const std::string& name)
{
    std::ifstream in(std::string(ZIFREL_PUZZLE_DIR) + "/" + name + ".csv");
    std::vector<Values> puzzles;
    for (std::string line; std::getline(in, line);)
        if (const auto values = ParsePuzzleLine(line.substr(0, line.find(','))))
            puzzles.push_back(*values);
    return puzzles;
}
