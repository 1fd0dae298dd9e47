// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QDialog>

class CWindowPlacement;

// What every window of the program does alike:
//  - it opens with its frame centred on its parent window, or on the
//    screen's free area when it has none (see CWindowPlacement), and so do
//    the toolkit's dialogs it opens, such as message boxes;
//  - Enter presses the focused button (else the default button, if any);
//  - the focused button shows its focus frame from the start.
class CDialog : public QDialog {
    Q_OBJECT

public:
    explicit CDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Places the window's frame in the middle of its parent, or of the
    // screen's free area.
    void Centre();

private:
    CWindowPlacement* placement_;
    bool shown_ = false;
};
