// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "contradiction_news.h"

#include "news_sentence.h"

#include "board_messages.h"

#include <utility>

void CContradictionNews::After(const Grid& grid, const Conflicts& conflicts)
{
    const bool contradicts = Contradicts(conflicts);
    news_ = contradicts && !contradicts_ ? ContradictionSentence(grid, conflicts) : QString();
    contradicts_ = contradicts;
}

std::function<QString()> CContradictionNews::With(std::function<QString()> sentence)
{
    return FollowedBy(std::move(sentence), std::exchange(news_, QString()));
}
