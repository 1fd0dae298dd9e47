// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "app_icon.h"

QIcon ZifrelIcon()
{
    // The resources live in a static library, so they are registered here,
    // where the first window asks for them.
    static const QIcon icon = [] {
        Q_INIT_RESOURCE(zifrel);
        QIcon built;
        for (int size : {16, 32, 48, 64, 128})
            built.addFile(QStringLiteral(":/icons/zifrel-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return icon;
}
