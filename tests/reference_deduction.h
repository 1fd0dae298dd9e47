// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "deduction.h"

#include <vector>

// The deduction written the plain way: every call works out what it reads
// from the grid, and finds each reason by looking for it. Slow, and
// obviously right: the oracle that the engine's sweeps (with all the rules
// or fewer, with reasons or without) and the lane engine are held to, and
// the benchmark's yardstick.
//
// One step as UpdateCell takes it, with only the rules of rules: the same
// result, the same cells, the same display written and, with
// Reasons::Kept, the same reason kept for each digit and fill.
bool ReferenceUpdateCell(Grid& grid, int row, int column, Rules rules = Rules::All, Reasons reasons = Reasons::Kept);
// Such steps on every cell, row by row, left to right, until a sweep
// changes nothing; returns how many sweeps ran, as CBoard::OnSolve does.
int ReferenceSolve(Grid& grid, Rules rules = Rules::All, Reasons reasons = Reasons::Kept);

// Such steps, sweep after sweep from the top left, until one fills a cell or
// a sweep changes nothing, leaving grid as at that moment: the cell filled
// (-1 for none), in which sweep, and every step on the way in the order the
// engine tells them (CDeductionObserver: by call, then rule, then digit,
// the fill last), each digit with the reason its cell keeps.
struct CReferenceStep {
    int cell;
    int digit;
    CReason reason; // rule None: the cell was filled with digit, how
    Fill how;
};
struct CReferenceFill {
    int cell = -1;
    int sweep = 0;
    std::vector<CReferenceStep> log;
};
CReferenceFill ReferenceFirstFill(Grid& grid, Rules rules);
