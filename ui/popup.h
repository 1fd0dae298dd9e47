// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QBasicTimer>
#include <QObject>

class QPainter;
class QWidget;

// What the program's own pop-ups share, the message by the board and the
// explanation beside it: they look like the platform's tooltips, and the
// window knows exactly while they show (the toolkit's tooltip says nothing
// when it hides). A pop-up goes at the next key press, click or wheel turn
// anywhere in the program (and, if asked, when the window loses the focus),
// when hidden, or after a while. The key that closes it still does what it
// would have done, all but Escape, which only closes it.
class CPopup : public QObject {
    Q_OBJECT

public:
    enum class Closing { OnInput, OnInputOrFocusLoss };
    // Gives widget, a window of the tooltip kind, the tooltip's palette and
    // font, and watches it.
    CPopup(QWidget* widget, Closing closing);
    // Shows the widget for at most ms milliseconds.
    void Show(int ms);
    // The room between the tooltip's frame and what it shows.
    int Margin() const;
    // Paints the tooltip's panel over the whole widget.
    void PaintPanel(QPainter& painter) const;

signals:
    void hidden();
    // Escape closed it: what it showed is dismissed, not only out of sight.
    void dismissed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QWidget* widget_;
    Closing closing_;
    QBasicTimer expiry_;
};
