// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "puzzle_maker.h"

#include <QObject>

#include <memory>
#include <thread>

// Makes a new puzzle on a thread of its own, so that the window goes on
// answering while it works; the puzzle arrives by made() on the window's
// thread. Asking again, cancelling, or ending the job stops the puzzle
// under way.
class CPuzzleJob : public QObject {
    Q_OBJECT

public:
    explicit CPuzzleJob(QObject* parent = nullptr) : QObject(parent) {}
    ~CPuzzleJob() override;
    void Make(std::uint64_t seed, Level level, Symmetry symmetry = Symmetry::Rotate180);
    void Cancel();
    bool Busy() const { return busy_; }

signals:
    void made(const Values& puzzle, Level level);

private:
    std::jthread worker_;
    // Counts the requests, so that only the last one's puzzle arrives.
    unsigned asked_ = 0;
    bool busy_ = false;
};

// Checks a board (see CheckPuzzle) on a thread of its own, so that the
// window goes on answering however long the count takes; the result
// arrives by checked() on the window's thread. The count cannot be stopped
// midway, so a check that is cancelled, replaced by another or outlived by
// the job runs to its end unseen: nobody waits for it, and its result goes
// nowhere.
class CCheckJob : public QObject {
    Q_OBJECT

public:
    explicit CCheckJob(QObject* parent = nullptr);
    ~CCheckJob() override;
    void Check(const Values& values);
    void Cancel();
    bool Busy() const { return busy_; }

signals:
    void checked(const CPuzzleCheck& check, const Values& values);

private:
    // What the threads share with the job: it while it lives, and the
    // number of the check it waits for.
    struct CShared;
    std::shared_ptr<CShared> shared_;
    bool busy_ = false;
};
