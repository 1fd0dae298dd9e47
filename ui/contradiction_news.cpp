// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "contradiction_news.h"

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
    QString news = std::exchange(news_, QString());
    if (news.isEmpty())
        return sentence;
    return [sentence = std::move(sentence), news = std::move(news)] {
        const QString said = sentence();
        return said.isEmpty() ? news : said + QStringLiteral(". ") + news;
    };
}
