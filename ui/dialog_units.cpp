// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "dialog_units.h"

#include <QFontMetrics>

#include <cmath>

CDialogUnits::CDialogUnits(const QFont& font, double scale) : scale_(scale)
{
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseWidth_ = static_cast<int>(std::lround(metrics.horizontalAdvance(alphabet) / 52.0));
    baseHeight_ = metrics.height();
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const
{
    // Sizes are mapped on their own, so that equal sizes stay equal on screen.
    return QRect(X(x), Y(y), X(width), Y(height));
}
