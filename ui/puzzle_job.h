// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_maker.h"

#include <QObject>

#include <thread>

// Makes a new puzzle on a thread of its own, so that the window goes on
// answering while it works; the puzzle arrives by made() on the window's
// thread. Asking again, or ending the job, stops the puzzle under way.
class CPuzzleJob : public QObject {
    Q_OBJECT

public:
    explicit CPuzzleJob(QObject* parent = nullptr) : QObject(parent) {}
    ~CPuzzleJob() override;
    void Make(std::uint64_t seed, Level level, Symmetry symmetry = Symmetry::Rotate180);
    bool Busy() const { return busy_; }

signals:
    void made(const Values& puzzle, Level level);

private:
    std::jthread worker_;
    // Counts the requests, so that only the last one's puzzle arrives.
    unsigned asked_ = 0;
    bool busy_ = false;
};
