// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "app_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace {

// The program's icon, read from the resources whenever a size is asked
// for and not kept: a window hands its icon to the window manager once, and
// the About box shows one size, so keeping every size would only hold memory.
class CResourceIcon : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap = QPixmap::fromImage(Read(Nearest(size)));
        // Scaled down where no size fits, never up: as the toolkit's icons do.
        if (!pixmap.isNull() && (pixmap.width() > size.width() || pixmap.height() > size.height()))
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // The toolkit greys or tints a pixmap of its own for the other modes.
        return mode == QIcon::Normal || mode == QIcon::Active ? pixmap : QIcon(pixmap).pixmap(size, mode);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min({size.width(), size.height(), kSizes.back()});
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new CResourceIcon; }
    QString key() const override { return QStringLiteral("CResourceIcon"); }

private:
    static constexpr std::array<int, 5> kSizes = {16, 32, 48, 64, 128};

    // The smallest size at least as large as asked, else the largest.
    static int Nearest(const QSize& size)
    {
        const int wanted = std::max(size.width(), size.height());
        const auto at = std::find_if(kSizes.begin(), kSizes.end(), [wanted](int side) { return side >= wanted; });
        return at == kSizes.end() ? kSizes.back() : *at;
    }

    // Read as PNG and nothing else: left to recognise the file, the reader
    // first asks every image plug-in, which loads each of them (and libjpeg)
    // into the process.
    static QImage Read(int side)
    {
        QImageReader reader(QStringLiteral(":/icons/zifrel-%1.png").arg(side), "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    }
};

} // namespace

QIcon ZifrelIcon()
{
    // The resources live in a static library, so they are registered here,
    // where the first window asks for them.
    static const bool registered = [] {
        Q_INIT_RESOURCE(zifrel);
        return true;
    }();
    Q_UNUSED(registered);
    return QIcon(new CResourceIcon);
}
