// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "guidance_style.h"

#include "palette_colours.h"

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

} // namespace

QColor WarningColour(const QPalette& palette)
{
    return Legible(QColor::fromHslF(0.0f, 0.8f, 0.5f), palette.color(QPalette::Active, QPalette::Base), 4.5);
}

QColor ConflictBackground(const QPalette& palette)
{
    return Tint(palette, WarningColour(palette), 0.22);
}

QColor SameDigitBackground(const QPalette& palette)
{
    return Tint(palette, palette.color(QPalette::Active, QPalette::Highlight), 0.4);
}

QColor HintColour(const QPalette& palette)
{
    return Legible(palette.color(QPalette::Active, QPalette::Highlight), palette.color(QPalette::Active, QPalette::Base), 4.5);
}
