// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QBasicTimer>
#include <QPushButton>

// A push button that acts on every press from the keyboard at once: its
// mnemonic, Space, and every auto-repeat of either run its command there
// and then, in order, instead of the toolkit's delayed click that merges
// presses coming close together. The button looks pressed for a moment
// afterwards, which delays nothing.
class CPushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    // Clicks now and shows the button pressed for a moment.
    void ClickNow();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer pressedLook_;
};
