// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "dialog_units.h"

#include <QFont>
#include <QRect>
#include <QSize>

// The board window's size: the steps it grows and shrinks by, and at the
// size it has, where its cells and buttons stand and the fonts the cells
// show their text in. All is laid out in the dialog units of the window's
// font at the normal size, times the scale, so that the whole window grows
// in proportion. A window resized by hand takes the largest scale whose
// board fits it, and the board stands in the middle of it.
class CBoardZoom {
public:
    // The sizes the window takes, as factors of the normal one.
    static constexpr double kScales[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};

    explicit CBoardZoom(const QFont& base);

    double Scale() const { return scale_; }
    // Takes scale; the fonts follow.
    void SetScale(double scale);
    // The next step up (0 at the largest), and the next step down (the
    // smallest at the smallest).
    double Larger() const;
    double Smaller() const;
    // The largest scale, from the smallest step to the largest, at which
    // the board fits area.
    double FitScale(const QSize& area) const;
    // Where the board's top left corner stands in the window.
    void SetOrigin(const QPoint& origin) { origin_ = origin; }
    QPoint Origin() const { return origin_; }

    // The window's size as last used, kept for the next start: the one
    // setting Zifrel keeps. Empty when none was kept.
    static QSize KeptSize();
    static void KeepSize(const QSize& size);

    // The window's font, and the board's size at the scale it has or at
    // scale.
    QFont WindowFont() const;
    QSize WindowSize(double scale) const;
    QSize WindowSize() const;
    // Where the cell stands, and a button whose top left corner is at x, y
    // in dialog units of the board, in the window.
    QRect CellRect(int row, int column) const;
    QRect ButtonRect(int x, int y) const;
    // A single digit's font, and the pencil marks', which fits its three
    // lines into a cell.
    const QFont& ValueFont() const { return valueFont_; }
    const QFont& CandidateFont() const { return candidateFont_; }

private:
    void MakeFonts();

    QFont base_;
    double scale_ = 1.0;
    QPoint origin_;
    CDialogUnits units_;
    QFont valueFont_;
    QFont candidateFont_;
};
