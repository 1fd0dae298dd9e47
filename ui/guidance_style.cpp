// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "guidance_style.h"

#include "palette_colours.h"

#include <algorithm>

namespace {

QColor Mix(const QColor& base, const QColor& tint, double share)
{
    const auto channel = [share](double b, double t) { return b + (t - b) * share; };
    return QColor::fromRgbF(static_cast<float>(channel(base.redF(), tint.redF())),
                            static_cast<float>(channel(base.greenF(), tint.greenF())),
                            static_cast<float>(channel(base.blueF(), tint.blueF())));
}

// The base with as much of tint as share, or less where the text would
// stand out less than 4.5:1 against it.
QColor Tint(const QPalette& palette, const QColor& tint, double share)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    QColor mixed = Mix(base, tint, share);
    for (double less = share; less > 0 && ContrastRatio(text, mixed) < 4.5; less -= 0.02)
        mixed = Mix(base, tint, less);
    return ContrastRatio(text, mixed) < 4.5 ? base : mixed;
}

// Every cell asks for its colours at each paint, with the same palette, and
// some take hundreds of powers to derive: each is kept until the palette
// changes.
template <QColor (*Derive)(const QPalette&)>
QColor Kept(const QPalette& palette)
{
    thread_local qint64 key = 0;
    thread_local QColor kept;
    if (!kept.isValid() || key != palette.cacheKey()) {
        kept = Derive(palette);
        key = palette.cacheKey();
    }
    return kept;
}

QColor DeriveConflictBackground(const QPalette& palette) { return Tint(palette, WarningColour(palette), 0.22); }
QColor DeriveSameDigitBackground(const QPalette& palette);

} // namespace

QColor WarningColour(const QPalette& palette)
{
    return Legible(QColor::fromHslF(0.0f, 0.8f, 0.5f), palette.color(QPalette::Active, QPalette::Base), 4.5);
}

QColor ConflictBackground(const QPalette& palette) { return Kept<DeriveConflictBackground>(palette); }

QColor SameDigitBackground(const QPalette& palette) { return Kept<DeriveSameDigitBackground>(palette); }

namespace {

// Of the shades of the highlight's hue, from the base's lightness towards
// the text's, the first that stands out 3:1 from the base and keeps the text
// 4.5:1; where no shade does both (a palette of low contrast), the one that
// comes nearest.
QColor DeriveSameDigitBackground(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor hue = palette.color(QPalette::Active, QPalette::Highlight).toHsl();
    const double from = base.toHsl().lightnessF();
    const double to = text.toHsl().lightnessF();
    QColor best = base;
    double bestScore = 0;
    for (int step = 0; step <= 200; ++step) {
        const double lightness = from + (to - from) * step / 200.0;
        const QColor shade =
            QColor::fromHslF(hue.hslHueF(), hue.hslSaturationF(), static_cast<float>(lightness)).toRgb();
        const double score = std::min(ContrastRatio(shade, base) / 3.0, ContrastRatio(text, shade) / 4.5);
        if (score >= 1.0)
            return shade;
        if (score > bestScore) {
            best = shade;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

// Pencil marks are small, and smoothing leaves few of their pixels at the
// text's full colour: the colours are 7:1 apart so that those few still
// read at 4.5:1.
QColor SelectionBackground(const QPalette& palette)
{
    return Legible(palette.color(QPalette::Active, QPalette::Highlight),
                   palette.color(QPalette::Active, QPalette::HighlightedText), 7.0);
}

QColor HintColour(const QPalette& palette)
{
    return Legible(palette.color(QPalette::Active, QPalette::Highlight),
                   palette.color(QPalette::Active, QPalette::Base), 4.5);
}
