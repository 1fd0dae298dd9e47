// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "puzzle_job.h"

#include <QMetaObject>

#include <mutex>

CPuzzleJob::~CPuzzleJob()
{
    // Stops the puzzle under way and waits for the thread before the
    // object it reports to goes.
    worker_ = std::jthread();
}

void CPuzzleJob::Make(std::uint64_t seed, Level level, Symmetry symmetry)
{
    const unsigned asked = ++asked_;
    busy_ = true;
    worker_ = std::jthread([this, seed, level, symmetry, asked](std::stop_token stop) {
        const std::optional<Values> puzzle = Generate(seed, level, symmetry, stop);
        if (!puzzle)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, puzzle = *puzzle, level, asked] {
                if (asked != asked_)
                    return;
                busy_ = false;
                emit made(puzzle, level);
            },
            Qt::QueuedConnection);
    });
}

void CPuzzleJob::Cancel()
{
    ++asked_;
    busy_ = false;
    worker_.request_stop();
}

struct CCheckJob::CShared {
    std::mutex mutex;
    CCheckJob* job = nullptr;
    // Counts the checks asked for, so that only the last one's result
    // arrives; read and written on the window's thread only.
    unsigned asked = 0;
};

CCheckJob::CCheckJob(QObject* parent) : QObject(parent), shared_(std::make_shared<CShared>()) { shared_->job = this; }

CCheckJob::~CCheckJob()
{
    // A check still counting finds nobody to tell.
    const std::lock_guard lock(shared_->mutex);
    shared_->job = nullptr;
}

void CCheckJob::Check(const Values& values)
{
    const unsigned asked = ++shared_->asked;
    busy_ = true;
    std::thread([shared = shared_, values, asked] {
        const CPuzzleCheck check = CheckPuzzle(values);
        const std::lock_guard lock(shared->mutex);
        CCheckJob* job = shared->job;
        if (!job)
            return;
        QMetaObject::invokeMethod(
            job,
            [job, check, values, asked] {
                if (asked != job->shared_->asked)
                    return;
                job->busy_ = false;
                emit job->checked(check, values);
            },
            Qt::QueuedConnection);
    }).detach();
}

void CCheckJob::Cancel()
{
    ++shared_->asked;
    busy_ = false;
}
