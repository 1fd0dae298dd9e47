// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QColor>
#include <QPalette>

// The colours that tie an explanation to the cells it cites: the outline
// around each cited cell and the letter marks on it and in the explanation.
// Taken from the palette's highlight, so that they follow the desktop's
// colours, light, dark or high-contrast.

// The highlight, taken lighter or darker where it stands out too little
// against the cells' background (below 3:1, as non-text marks need).
QColor CitationColour(const QPalette& palette);
// The letter on a mark filled with CitationColour: the highlighted-text
// colour, taken lighter or darker until it is legible there (4.5:1).
QColor CitationMarkColour(const QPalette& palette);
