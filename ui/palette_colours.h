// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QColor>
#include <QPalette>

// Colours the board draws with beyond the palette's own, all derived from
// it, so that they follow a light, a dark or a high-contrast theme.

// The contrast of two colours as WCAG 2 measures it, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// colour, darkened or lightened (away from background) as little as it
// takes to reach ratio against background.
QColor Legible(const QColor& colour, const QColor& background, double ratio = 4.5);

// Digits the deduction found, set apart from the given ones: the palette's
// link colour, made legible on the cells' base.
QColor FoundDigitColour(const QPalette& palette);
// Digits the person entered, set apart from the given ones and the found
// ones: the palette's visited-link colour, made legible on the cells' base.
QColor EntryColour(const QPalette& palette);
