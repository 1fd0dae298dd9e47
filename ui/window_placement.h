// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>

class QWidget;
class QWindow;

// Opens a window with its frame centred on its parent window, or on the
// screen's free area when it has none, however long the window manager
// takes to frame it.
//
// The frame is the window manager's, and its size is known only once the
// manager has framed the window. The window is placed as it is shown, with
// the frame its parent has (none for a window without one). Under X, once
// the manager has set the window's frame extents or the window is mapped,
// every notice the X server gives about it (the frame extents, the
// reparenting into a frame, each configure, the map) places it again, now
// with its own frame, until it is mapped and stands where it should. No
// clock is involved: on a slow machine the notices come late, and the
// window is placed when they come. Once it stands, it is the user's to
// move. Without X (Wayland, offscreen) the first placement is all.
class CWindowPlacement : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Placed on window's first show; window owns the placement.
    explicit CWindowPlacement(QWidget* window);
    ~CWindowPlacement() override;

    // Places the frame in the middle of the parent, or of the screen's free
    // area, with the frame as far as it is known.
    void Centre();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
    // The frame the window has, or, until the manager has framed it, the
    // one its parent has.
    QMargins Frame() const;
    // The parent's window, which this one is centred on.
    const QWindow* Over() const;
    // Where the window (inside its frame) stands with its frame centred.
    QPoint Wanted(const QMargins& frame) const;
    void MoveTo(const QPoint& place);
    void Follow();
    void Stop();
    // Run once the toolkit has taken in the notices that asked for it.
    void Settle();

    QWidget* window_;
    bool shown_ = false;
    bool following_ = false;
    bool settleQueued_ = false;
    bool mapped_ = false;
    // The window manager has told the window's frame extents.
    bool framed_ = false;
    // A move of ours that the X server has not yet answered with a
    // configure: until then the toolkit reports the asked-for place.
    bool moveUnanswered_ = false;
    // Moves after the map: a manager that keeps the window elsewhere is
    // let be after a few.
    int movesMapped_ = 0;
    unsigned xWindow_ = 0;
    unsigned frameExtents_ = 0;
};
