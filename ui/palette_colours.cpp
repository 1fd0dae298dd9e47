// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "palette_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

// colour, moved in small steps away from background until it reaches ratio.
QColor Search(const QColor& colour, const QColor& background, double ratio)
{
    // Towards black on a light background, towards white on a dark one, in
    // small steps of lightness, hue and saturation kept.
    const bool darken = Luminance(background) > 0.18;
    QColor shade = colour.toHsl();
    for (int step = 0; step < 100 && ContrastRatio(shade, background) < ratio; ++step) {
        const double lightness = std::clamp(shade.lightnessF() + (darken ? -0.01 : 0.01), 0.0, 1.0);
        shade.setHslF(shade.hslHueF(), shade.hslSaturationF(), lightness);
    }
    return shade.toRgb();
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Legible(const QColor& colour, const QColor& background, double ratio)
{
    // Every cell asks for the same few colours each time it paints, and the
    // search below costs dozens of powers, so the last answers are kept.
    struct CAnswer {
        std::uint64_t colour = 0;
        std::uint64_t background = 0;
        double ratio = 0;
        QColor legible;
    };
    thread_local std::array<CAnswer, 8> answers;
    thread_local std::size_t next = 0;
    const std::uint64_t key = colour.rgba64();
    const std::uint64_t behind = background.rgba64();
    for (const CAnswer& answer : answers)
        if (answer.legible.isValid() && answer.colour == key && answer.background == behind && answer.ratio == ratio)
            return answer.legible;
    CAnswer& answer = answers[next++ % answers.size()];
    answer = {key, behind, ratio, Search(colour, background, ratio)};
    return answer.legible;
}

QColor FoundDigitColour(const QPalette& palette)
{
    return Legible(palette.color(QPalette::Link), palette.color(QPalette::Base));
}

QColor EntryColour(const QPalette& palette)
{
    return Legible(palette.color(QPalette::LinkVisited), palette.color(QPalette::Base));
}
