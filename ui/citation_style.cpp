// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "citation_style.h"

#include "palette_colours.h"

QColor CitationColour(const QPalette& palette)
{
    return Legible(palette.color(QPalette::Active, QPalette::Highlight),
                   palette.color(QPalette::Active, QPalette::Base), 3.0);
}

QColor CitationMarkColour(const QPalette& palette)
{
    return Legible(palette.color(QPalette::Active, QPalette::HighlightedText), CitationColour(palette), 4.5);
}
