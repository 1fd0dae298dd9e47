// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QFont>
#include <QRect>

// Window layouts are given in dialog units, which scale with the window's
// font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int BaseWidth() const { return baseWidth_; }
    int BaseHeight() const { return baseHeight_; }
    int X(int units) const { return units * baseWidth_ / 4; }
    int Y(int units) const { return units * baseHeight_ / 8; }
    QRect Rect(int x, int y, int width, int height) const;

private:
    int baseWidth_;
    int baseHeight_;
};
