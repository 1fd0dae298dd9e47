// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QString>

#include <functional>
#include <utility>

// sentence, followed by news when there is any: what a command says, then
// what its change brought about (a contradiction, a solved board).
inline std::function<QString()> FollowedBy(std::function<QString()> sentence, QString news)
{
    if (news.isEmpty())
        return sentence;
    return [sentence = std::move(sentence), news = std::move(news)] {
        const QString said = sentence();
        return said.isEmpty() ? news : said + QStringLiteral(". ") + news;
    };
}
