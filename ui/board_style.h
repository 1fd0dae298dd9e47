// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QProxyStyle>

// The desktop's widget style, as the user chose it, with the icons that
// the toolkit makes for a widget but shows only now and then read when
// they are first painted, not when the widget is made.
//
// The menu bar makes the icon of its extension button (shown only when
// its menus do not fit) as it is built; reading those files lets the image
// reader ask every image plug-in about them, which loads each plug-in, and
// libjpeg, before the first window shows.
class CBoardStyle : public QProxyStyle {
public:
    // Wraps the style the application has now (the desktop's, or -style).
    CBoardStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};
