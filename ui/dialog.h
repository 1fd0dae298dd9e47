// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QBasicTimer>
#include <QDialog>

// What every window of the program does alike:
//  - it opens with its frame centred on its parent window, or on the
//    screen's free area when it has none; the frame's size is known only
//    once the window manager has framed the window, and no event says
//    when, so for a moment after showing it looks, and centres it again
//    once;
//  - Enter presses the focused button (else the default button, if any);
//  - the focused button shows its focus frame from the start.
class CDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    // Places the window's frame in the middle of its parent, or of the
    // screen's free area.
    void Centre();

private:
    // Centres the window again if its frame has appeared; true if it has.
    bool CentreOnceFramed();

    // Runs from the first show until the frame is seen, or for two seconds.
    QBasicTimer frameWatch_;
    int frameLooks_ = 0;
    bool shown_ = false;
};
