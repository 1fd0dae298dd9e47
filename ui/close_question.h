// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <QString>

class QWidget;

// The question before the window closes on digits that Save has not
// written: save them, close without saving, or go back. Knows what was
// last saved or loaded (an empty board before either).
class CCloseQuestion {
public:
    // The board's values were saved or loaded.
    void Saved(const Values& values) { saved_ = values; }
    bool Unsaved(const Values& values) const { return values != saved_; }

    enum class Answer { Save, Discard, Stay };
    // Asks over window, naming the puzzle file at path.
    static Answer Ask(QWidget* window, const QString& path);

private:
    Values saved_{};
};
