// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "solved_news.h"

#include "news_sentence.h"

#include "puzzle_maker.h"

#include <algorithm>
#include <utility>

namespace {

bool Full(const Values& values) { return std::find(values.begin(), values.end(), 0) == values.end(); }

} // namespace

CSolvedNews::CSolvedNews() { since_.start(); }

void CSolvedNews::Arrived(const Values& givens)
{
    givens_ = givens;
    since_.restart();
    solvedIn_ = -1;
    solved_ = Full(givens);
}

void CSolvedNews::After(const Values& values, bool contradicts)
{
    const bool solved = Full(values) && !contradicts;
    // Solved again after an undo, the puzzle still took as long as the
    // first time.
    if (solved && !solved_ && solvedIn_ < 0)
        solvedIn_ = static_cast<int>(since_.elapsed() / 1000);
    news_ = solved && !solved_ ? Message(values) : QString();
    solved_ = solved;
}

std::function<QString()> CSolvedNews::With(std::function<QString()> sentence)
{
    return FollowedBy(std::move(sentence), std::exchange(news_, QString()));
}

// In seconds up to a minute, minutes up to two hours, then hours.
QString CSolvedNews::Took(int seconds)
{
    if (seconds < 60)
        return seconds == 1 ? tr("Solved in 1 second.") : tr("Solved in %n seconds.", nullptr, seconds);
    if (seconds < 120 * 60)
        return seconds < 120 ? tr("Solved in 1 minute.") : tr("Solved in %n minutes.", nullptr, seconds / 60);
    return tr("Solved in %n hours.", nullptr, seconds / 3600);
}

QString CSolvedNews::Message(const Values& values) const
{
    const QString solved = Took(solvedIn_);
    int givens = 0;
    int typedOver = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        givens += givens_[i] != 0;
        typedOver += givens_[i] != 0 && values[i] != givens_[i];
    }
    if (givens == 0)
        return solved;
    //: Follows "Solved in ...": digits the puzzle came with were replaced by others.
    if (typedOver == 1)
        return solved + QLatin1Char(' ')
            + tr("1 of the puzzle's givens was typed over, so this is not the puzzle's solution.");
    if (typedOver > 1)
        return solved + QLatin1Char(' ')
            + tr("%n of the puzzle's givens were typed over, so this is not the puzzle's solution.", nullptr,
                 typedOver);
    if (CheckPuzzle(givens_).solutions == 1)
        return solved + QLatin1Char(' ') + tr("The board is the only solution of the puzzle's givens.");
    return solved + QLatin1Char(' ') + tr("The puzzle's givens have more than one solution, and this is one of them.");
}
