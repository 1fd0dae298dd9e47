// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "puzzle_clipboard.h"

#include "puzzle_text.h"
#include "safe_file.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUrl>

namespace {

constexpr std::size_t kMaxDroppedFileBytes = 4096;

} // namespace

QMimeData* PuzzleData(const Values& values)
{
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(FormatPuzzleLine(values)));
    data->setHtml(
        QStringLiteral("<pre>%1</pre>").arg(QString::fromStdString(FormatPuzzleGrid(values)).toHtmlEscaped()));
    return data;
}

std::optional<Values> PuzzleIn(const QMimeData* data)
{
    if (!data)
        return std::nullopt;
    if (data->hasUrls()) {
        const QList<QUrl> urls = data->urls();
        if (urls.size() != 1 || !urls.front().isLocalFile())
            return std::nullopt;
        const auto text = ReadSmallFile(urls.front().toLocalFile().toStdString(), kMaxDroppedFileBytes);
        return text ? ParsePuzzleText(*text) : std::nullopt;
    }
    if (data->hasText())
        return ParsePuzzleText(data->text().toStdString());
    return std::nullopt;
}

std::optional<Values> PuzzleOnClipboard() { return PuzzleIn(QApplication::clipboard()->mimeData()); }
