// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "guidance.h"

#include <QString>

#include <functional>

// Whether the board contradicts itself, and, when a change has just made
// it so, the sentence that says what is wrong, which goes out with the
// next announcement: a screen reader hears it with the change that made it.
class CContradictionNews {
public:
    // After a change to grid, whose contradictions are conflicts.
    void After(const Grid& grid, const Conflicts& conflicts);
    // True while the news waits for an announcement.
    bool Pending() const { return !news_.isEmpty(); }
    // sentence, with the news after it if any waits; the news goes with it.
    std::function<QString()> With(std::function<QString()> sentence);

private:
    bool contradicts_ = false;
    QString news_;
};
