// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "push_button.h"

#include <QKeyEvent>
#include <QPointer>
#include <QShortcutEvent>

namespace {

constexpr int kPressedLookMs = 100;

bool IsPressKey(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && event->modifiers() == Qt::NoModifier;
}

} // namespace

void CPushButton::ClickNow()
{
    if (!isEnabled())
        return;
    const QPointer<CPushButton> self(this);
    click();
    // The command may have taken the button away with its window.
    if (!self)
        return;
    setDown(true);
    pressedLook_.start(kPressedLookMs, this);
}

bool CPushButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        ClickNow();
        return true;
    }
    return QPushButton::event(event);
}

void CPushButton::keyPressEvent(QKeyEvent* event)
{
    if (IsPressKey(event)) {
        ClickNow();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CPushButton::keyReleaseEvent(QKeyEvent* event)
{
    // The press has clicked already.
    if (IsPressKey(event)) {
        event->accept();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void CPushButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != pressedLook_.timerId()) {
        QPushButton::timerEvent(event);
        return;
    }
    pressedLook_.stop();
    setDown(false);
}
