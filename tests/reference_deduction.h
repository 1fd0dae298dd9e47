// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "deduction.h"

// The deduction written the plain way: every call works out what it reads
// from the grid, and finds each reason by looking for it. Slow, and
// obviously right: the oracle that the engine's sweeps (with all the rules
// or fewer, with reasons or without) and the lane engine are held to, and
// the benchmark's yardstick.
//
// One step as UpdateCell takes it, with only the rules of rules: the same
// result, the same cells, the same display written and, with
// Reasons::Kept, the same reason kept for each digit and fill.
bool ReferenceUpdateCell(Grid& grid, int row, int column, Rules rules = Rules::All,
                         Reasons reasons = Reasons::Kept);
// Such steps on every cell, row by row, left to right, until a sweep
// changes nothing; returns how many sweeps ran, as CBoard::OnSolve does.
int ReferenceSolve(Grid& grid, Rules rules = Rules::All, Reasons reasons = Reasons::Kept);
