// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "dialog.h"

#include "push_button.h"

#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int kFrameLookMs = 20;
constexpr int kFrameLooks = 100;

} // namespace

bool CDialog::CentreOnceFramed()
{
    // The window's own margins, straight from the window system: the
    // widget's idea of its frame is not updated once the window manager has
    // framed it.
    if (!windowHandle() || windowHandle()->frameMargins().isNull())
        return false;
    Centre();
    return true;
}

void CDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != frameWatch_.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    if (CentreOnceFramed() || ++frameLooks_ >= kFrameLooks)
        frameWatch_.stop();
}

void CDialog::Centre()
{
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = over && over->windowHandle() ? over->windowHandle()->frameGeometry()
                                                    : screen()->availableGeometry();
    // Until the window manager has framed the window there are no margins.
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize frame = size().grownBy(margins);
    const QPoint corner(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
    if (windowHandle() && !margins.isNull())
        windowHandle()->setFramePosition(corner);
    else
        move(corner);
}

bool CDialog::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (!shown_) {
            shown_ = true;
            // Placed before the toolkit guesses, which keeps its guess from
            // being applied.
            Centre();
            frameWatch_.start(kFrameLookMs, this);
            setAttribute(Qt::WA_KeyboardFocusChange);
        }
        break;
    case QEvent::WindowActivate:
    case QEvent::Move:
    case QEvent::Expose:
        if (frameWatch_.isActive() && CentreOnceFramed())
            frameWatch_.stop();
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

// Enter presses the focused button, as Space does; elsewhere it is the
// dialog's own.
void CDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<CPushButton*>(focusWidget())) {
            button->ClickNow();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
