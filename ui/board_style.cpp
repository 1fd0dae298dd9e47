// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "board_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>

#include <functional>
#include <optional>

namespace {

// An icon made by make the first time it is painted or measured.
class CIconOnFirstUse : public QIconEngine {
public:
    explicit CIconOnFirstUse(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Made().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Made().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new CIconOnFirstUse(*this); }
    QString key() const override { return QStringLiteral("CIconOnFirstUse"); }

private:
    const QIcon& Made()
    {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

} // namespace

CBoardStyle::CBoardStyle() : QProxyStyle(QApplication::style()->name()) {}

QIcon CBoardStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option and the widget may be gone by the first paint; the
    // direction they give is the application's.
    const QStyle* base = baseStyle();
    return QIcon(new CIconOnFirstUse([base, icon] { return base->standardIcon(icon, nullptr, nullptr); }));
}
