// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "dialog.h"

#include "push_button.h"
#include "window_placement.h"

#include <QChildEvent>
#include <QKeyEvent>

CDialog::CDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), placement_(new CWindowPlacement(this))
{
}

void CDialog::Centre() { placement_->Centre(); }

bool CDialog::event(QEvent* event)
{
    if (event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        setAttribute(Qt::WA_KeyboardFocusChange);
    } else if (event->type() == QEvent::ChildPolished) {
        // A dialog of the toolkit's (a message box) opened over this window
        // is placed as this program's own windows are.
        auto* dialog = qobject_cast<QDialog*>(static_cast<QChildEvent*>(event)->child());
        if (dialog && dialog->isWindow() && !qobject_cast<CDialog*>(dialog)
            && !dialog->findChild<CWindowPlacement*>(QString(), Qt::FindDirectChildrenOnly))
            new CWindowPlacement(dialog);
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
