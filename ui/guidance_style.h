// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QColor>
#include <QPalette>

// The colours of what the board marks besides explanations: a contradiction,
// the cell a hint points at, and the cells and pencil marks that hold the
// focused cell's digit. All derived from the palette, so that they follow a
// light, a dark or a high-contrast theme; behind text, each keeps the
// palette's text legible (4.5:1), and each outline stands out against the
// cells' background by as much.

// The palette has no warning colour of its own: a red, made legible on the
// cells' base.
QColor WarningColour(const QPalette& palette);
// Behind a cell that contradicts the board: the base, tinted with the
// warning colour.
QColor ConflictBackground(const QPalette& palette);
// Behind a digit or pencil mark that is the focused cell's digit: the
// highlight's hue, as light or dark as it takes to stand out from the base
// (3:1, as marks that are no text need) while the text stays legible on it.
QColor SameDigitBackground(const QPalette& palette);
// Behind the selected text of the focused cell: the highlight, made dark or
// light enough that the highlighted text reads on it, pencil marks too.
QColor SelectionBackground(const QPalette& palette);
// The outline of the cell a hint points at: the highlight, made legible on
// the base.
QColor HintColour(const QPalette& palette);
