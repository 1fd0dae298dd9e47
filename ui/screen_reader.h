// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QObject>
#include <QVariantMap>

// Whether a screen reader, or another assistive technology, listens.
//
// The desktop's accessibility bus says so in its status (IsEnabled, and
// ScreenReaderEnabled where it has it), which a screen reader sets as it
// starts; this follows it as it changes. The toolkit's own bridge to that
// bus reads the status once, at start-up (Qt 6.4 does), and stays away
// from the bus when no screen reader runs yet: a screen reader started
// later would never find the window. So the bridge is asked to join the
// bus whenever the desktop runs one, and what the bus's clients would hear
// from the program itself (announcements, a cell's text as it changes) is
// made and sent only while this says that someone listens.
class CScreenReader : public QObject {
    Q_OBJECT

public:
    // Before the application object: asks the toolkit's bridge to join the
    // accessibility bus whenever it runs, unless the environment already
    // says what the bridge should do (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).
    static void PrepareToolkit();
    // The one watch, made on first use, once the application object exists.
    static CScreenReader& Instance();
    // True while an assistive technology listens: the bridge is on the bus,
    // and the bus's status says that one runs, or the user asked for the
    // bridge to be always on.
    bool Listening() const;

private:
    CScreenReader();
    void Take(const QVariantMap& status);
    Q_SLOT void OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                    const QStringList& invalidated);

    bool enabled_ = false;
    bool screenReader_ = false;
};
