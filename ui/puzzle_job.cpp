// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "puzzle_job.h"

#include <QMetaObject>

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
        QMetaObject::invokeMethod(this, [this, puzzle = *puzzle, level, asked] {
            if (asked != asked_)
                return;
            busy_ = false;
            emit made(puzzle, level);
        }, Qt::QueuedConnection);
    });
}
