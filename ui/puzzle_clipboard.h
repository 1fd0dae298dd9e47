// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <optional>

class QMimeData;

// Puzzles in and out by the clipboard and by drag and drop.

// The values as clipboard data: the one line of 81 cells ("." for an empty
// cell) that puzzles travel as, as plain text, and the nine lines of nine
// as rich text, which editors that take it paste as a grid.
QMimeData* PuzzleData(const Values& values);

// The puzzle that data holds: text in one of the forms people paste
// puzzles in, or a single local text file (of at most 4 KiB) holding one.
std::optional<Values> PuzzleIn(const QMimeData* data);

// The puzzle on the clipboard, if it holds one.
std::optional<Values> PuzzleOnClipboard();
