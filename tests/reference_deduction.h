// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

// The same step as UpdateCell, computed from the grid alone on every call:
// the oracle that the engine's bookkept version must match call for call,
// in its result, in every cell, in the cells it notes for the display and
// in the reason each cell keeps for each digit and for its fill.
bool ReferenceUpdateCell(Grid& grid, int row, int column);
