// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QFont>
#include <QRect>

// Window layouts are given in dialog units, which scale with the window's
// font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height. An enlarged window keeps
// the units of its normal font, times the scale, so that the whole layout
// grows in proportion.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font, double scale = 1.0);

    int X(int units) const { return Scaled(units * baseWidth_, 4); }
    int Y(int units) const { return Scaled(units * baseHeight_, 8); }
    QRect Rect(int x, int y, int width, int height) const;

private:
    // Whole pixels, rounded down as at the normal size.
    int Scaled(int pixels, int per) const { return static_cast<int>(pixels * scale_ / per); }

    int baseWidth_;
    int baseHeight_;
    double scale_;
};
