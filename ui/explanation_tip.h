// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QBasicTimer>
#include <QLabel>

// A tooltip of the program's own, so that the window knows exactly while it
// shows (the toolkit's says nothing when it hides): it goes at the next key
// press, click or wheel turn anywhere, when the window loses the focus,
// when told, or after a while.
class CExplanationTip : public QLabel {
    Q_OBJECT

public:
    explicit CExplanationTip(QWidget* parent);
    // Shows text with its top left near at (global coordinates), kept on
    // the screen.
    void ShowAt(const QString& text, const QPoint& at);

signals:
    void hidden();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer expiry_;
};
