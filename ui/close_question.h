// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "cell.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

// The question asked before digits that Save has not written go: before
// the window closes, and before New Puzzle or Paste replaces them. It offers
// to save them, to go on without saving, or to go back. While it is open,
// nothing may change the board it asks about: Asking() says so.
class CCloseQuestion {
    Q_DECLARE_TR_FUNCTIONS(CCloseQuestion)

public:
    // True when board holds digits that file (the puzzle file as it is
    // now; nullopt when it holds none that Load would take) does not hold
    // as they stand. An empty board has nothing to lose.
    static bool Unsaved(const Values& board, const std::optional<Values>& file);

    enum class Moment { Closing, Replacing };
    enum class Answer { Save, Discard, Stay };
    // Asks over window, before the moment, naming the puzzle file at path.
    Answer Ask(QWidget* window, Moment moment, const QString& path);
    bool Asking() const { return asking_; }

private:
    bool asking_ = false;
};
