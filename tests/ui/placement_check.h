// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

// Whether a rectangle can stand anywhere on a screen clear of some others,
// found by trying every position: a check of PlaceTip that shares none of
// its reasoning.

#include <QRect>

#include <vector>

class CClearRoom {
public:
    // The screen with keepClear, each grown by clearance on every side,
    // blocked.
    CClearRoom(const QRect& screen, const std::vector<QRect>& keepClear, int clearance)
        : width_(screen.width()), height_(screen.height()),
          sums_(static_cast<std::size_t>((width_ + 1) * (height_ + 1)), 0)
    {
        std::vector<char> blocked(static_cast<std::size_t>(width_ * height_), 0);
        for (const QRect& k : keepClear) {
            const QRect grown = k.adjusted(-clearance, -clearance, clearance, clearance).translated(-screen.topLeft())
                & QRect(0, 0, width_, height_);
            for (int y = grown.top(); y <= grown.bottom(); ++y)
                for (int x = grown.left(); x <= grown.right(); ++x)
                    blocked[static_cast<std::size_t>(y * width_ + x)] = 1;
        }
        // A table of sums, so that each position costs four reads.
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                At(x + 1, y + 1) =
                    At(x, y + 1) + At(x + 1, y) - At(x, y) + blocked[static_cast<std::size_t>(y * width_ + x)];
    }

    // True when a rectangle of size fits on the screen somewhere unblocked.
    bool Fits(const QSize& size) const
    {
        for (int y = 0; y + size.height() <= height_; ++y)
            for (int x = 0; x + size.width() <= width_; ++x)
                if (At(x + size.width(), y + size.height()) - At(x, y + size.height()) - At(x + size.width(), y)
                        + At(x, y)
                    == 0)
                    return true;
        return false;
    }

private:
    int& At(int x, int y) { return sums_[static_cast<std::size_t>(y * (width_ + 1) + x)]; }
    int At(int x, int y) const { return sums_[static_cast<std::size_t>(y * (width_ + 1) + x)]; }

    int width_;
    int height_;
    std::vector<int> sums_;
};
