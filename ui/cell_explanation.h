// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <QString>

#include <vector>

// Why a cell stands as it does, in plain words, with the cells the words
// cite: one line for each ruled-out digit, and for a filled cell first how
// it was filled. Rows, columns and boxes count from 1.
struct CExplanation {
    QString text;      // empty for an empty cell with nothing ruled out
    std::vector<int> cited; // board indices, for outlining
};

CExplanation Explain(const CCell& cell, int index);
