// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_zoom.h"

#include "board_geometry.h"

#include <QFontMetrics>
#include <QSettings>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Where the cells stand, in dialog units: within a box they are 17 units
// apart across and 14 down; between boxes the step grows to set them apart.
constexpr std::array<int, kBoardSize> kColumnX = {15, 32, 49, 69, 86, 103, 123, 140, 157};
constexpr std::array<int, kBoardSize> kRowY = {14, 28, 42, 59, 73, 87, 104, 118, 132};
constexpr int kWindowWidth = 188;
constexpr int kWindowHeight = 193;
constexpr int kCellWidth = 15;
constexpr int kCellHeight = 12;
constexpr int kButtonWidth = 30;
constexpr int kButtonHeight = 14;
// Where the size last used is kept: ~/.config/zifrel/zifrel.conf.
constexpr const char* kSizeKey = "window/size";

QSettings Settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zifrel"), QStringLiteral("zifrel"));
}

// Where the asked-for face is missing, another may stand in that is too
// large for the pencil marks at this size: then the size steps down, a
// quarter point at a time, to the largest at which the three lines fit.
void FitToCell(QFont& font, const QSize& room)
{
    const auto fits = [&room](const QFont& f) {
        const QFontMetrics metrics(f);
        return metrics.horizontalAdvance(QStringLiteral("1  2  3")) <= room.width()
            && 3 * metrics.height() <= room.height();
    };
    while (!fits(font) && font.pointSizeF() > 1.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
}

} // namespace

CBoardZoom::CBoardZoom(const QFont& base) : base_(base), units_(base) { MakeFonts(); }

void CBoardZoom::SetScale(double scale)
{
    scale_ = scale;
    units_ = CDialogUnits(base_, scale_);
    MakeFonts();
}

void CBoardZoom::MakeFonts()
{
    // The cells' fonts take the window font's face name.
    const QString face = base_.family();
    valueFont_ = QFont(face);
    valueFont_.setPointSizeF(12 * scale_);
    candidateFont_ = QFont(face);
    candidateFont_.setPointSizeF(5 * scale_);
    valueFont_.setStyleHint(QFont::TypeWriter);
    candidateFont_.setStyleHint(QFont::TypeWriter);
    FitToCell(candidateFont_, CellRect(0, 0).size() - QSize(2, 2));
}

double CBoardZoom::Larger() const
{
    for (const double scale : kScales)
        if (scale > scale_ + 1e-9)
            return scale;
    return 0;
}

double CBoardZoom::Smaller() const
{
    double smaller = kScales[0];
    for (const double scale : kScales)
        if (scale < scale_ - 1e-9)
            smaller = scale;
    return smaller;
}

double CBoardZoom::FitScale(const QSize& area) const
{
    const QSize normal = WindowSize(kScales[0]);
    const double fit = std::min(static_cast<double>(area.width()) / normal.width(),
                                static_cast<double>(area.height()) / normal.height());
    // Dialog units round down, so the scale that fits may be a hair larger
    // or smaller than the quotient: from a little above, step down to the
    // largest that fits.
    double scale = std::clamp(fit + 0.01, kScales[0], std::end(kScales)[-1]);
    while (scale > kScales[0]
           && (WindowSize(scale).width() > area.width() || WindowSize(scale).height() > area.height()))
        scale = std::max(kScales[0], scale - 1e-3);
    // A step of the zoom keys that gives the same size is the scale.
    for (const double step : kScales)
        if (WindowSize(step) == WindowSize(scale))
            return step;
    return scale;
}

QSize CBoardZoom::KeptSize() { return Settings().value(QLatin1String(kSizeKey)).toSize(); }

void CBoardZoom::KeepSize(const QSize& size) { Settings().setValue(QLatin1String(kSizeKey), size); }

QFont CBoardZoom::WindowFont() const
{
    QFont font = base_;
    font.setPointSizeF(base_.pointSizeF() * scale_);
    return font;
}

QSize CBoardZoom::WindowSize(double scale) const
{
    const CDialogUnits units(base_, scale);
    return {units.X(kWindowWidth), units.Y(kWindowHeight)};
}

QSize CBoardZoom::WindowSize() const { return {units_.X(kWindowWidth), units_.Y(kWindowHeight)}; }

QRect CBoardZoom::CellRect(int row, int column) const
{
    return units_
        .Rect(kColumnX[static_cast<std::size_t>(column)], kRowY[static_cast<std::size_t>(row)], kCellWidth, kCellHeight)
        .translated(origin_);
}

QRect CBoardZoom::ButtonRect(int x, int y) const
{
    return units_.Rect(x, y, kButtonWidth, kButtonHeight).translated(origin_);
}
