// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "guidance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <functional>

// Whether the board is solved: every cell filled and no digit standing
// twice in a row, column or box. When a change has just solved it, the
// message that says so, once: how long the puzzle took from its arrival
// to being first solved (solved again after an undo, it took no longer), and
// whether the board is the only solution of the digits it arrived with.
// The window shows it, and a screen reader hears it with the change that
// made it.
class CSolvedNews {
    Q_DECLARE_TR_FUNCTIONS(CSolvedNews)

public:
    CSolvedNews();
    // A puzzle arrived (made, pasted, loaded, dropped, set or cleared) with
    // givens: the clock starts again, and a board that arrives solved is
    // not news.
    void Arrived(const Values& givens);
    // After a change to the board, which now holds values; contradicts
    // tells whether a digit stands twice.
    void After(const Values& values, bool contradicts);
    // The message while it waits for an announcement; empty when none does.
    const QString& News() const { return news_; }
    // sentence, with the message after it if one waits; it goes with it.
    std::function<QString()> With(std::function<QString()> sentence);

private:
    static QString Took(int seconds);
    QString Message(const Values& values) const;

    Values givens_{};
    QElapsedTimer since_;
    // Seconds from the puzzle's arrival to its first solving; -1 before.
    int solvedIn_ = -1;
    bool solved_ = false;
    QString news_;
};
