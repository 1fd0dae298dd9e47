// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "app_icon.h"

#include <QImageReader>
#include <QPixmap>

QIcon ZifrelIcon()
{
    // The resources live in a static library, so they are registered here,
    // where the first window asks for them.
    static const QIcon icon = [] {
        Q_INIT_RESOURCE(zifrel);
        QIcon built;
        // Read as PNG and nothing else: left to recognise the files, the
        // reader first asks every image plug-in, which loads each of them
        // (and libjpeg) into the process before the first window shows.
        for (int size : {16, 32, 48, 64, 128}) {
            QImageReader reader(QStringLiteral(":/icons/zifrel-%1.png").arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            built.addPixmap(QPixmap::fromImage(reader.read()));
        }
        return built;
    }();
    return icon;
}
