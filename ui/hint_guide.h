// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell_explanation.h"

// The hint, Ctrl+H. The first press points at the cell that the easiest
// rules fill first (see FindHint) and says which technique fills it; the
// next tells its digit and why, by those rules alone, as the cell will
// explain itself once filled, and how many presses of Pass fill it. On a
// board that contradicts itself it says what is wrong instead, and pressed
// again shows that cell's own explanation; where the rules fill nothing
// more, it says what that means for the board. It changes nothing; any
// change to the board, or Escape, ends it.
class CHintGuide {
public:
    // What a press shows, and the cell it is about (-1 for none).
    struct CShown {
        CExplanation explanation;
        int cell = -1;
    };
    // The next press, on grid.
    CShown Press(const Grid& grid);
    void End();
    bool Active() const { return stage_ > 0; }
    // True once a press has told the digit (or, on a contradicting board,
    // the cell's own explanation), until the hint ends.
    bool Told() const { return stage_ == 2; }
    // The cell the hint points at while it lasts, or -1.
    int Cell() const { return pointed_; }
    // The cell the last press is about while the hint lasts: the one it
    // points at, or the one that contradicts the board; -1 for none.
    int Shown() const { return shown_; }
    // Why the hint points at its cell, as that cell tells it (its place
    // said already), while it points at one; empty otherwise.
    const QString& Here() const { return here_; }

private:
    // 1 once it points at a cell, 2 once it has told why.
    int stage_ = 0;
    int pointed_ = -1;
    int shown_ = -1;
    QString pointer_;
    QString here_;
};
