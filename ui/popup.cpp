// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimerEvent>
#include <QToolTip>
#include <QWidget>

CPopup::CPopup(QWidget* widget, Closing closing) : QObject(widget), widget_(widget), closing_(closing)
{
    widget->setForegroundRole(QPalette::ToolTipText);
    widget->setBackgroundRole(QPalette::ToolTipBase);
    widget->setPalette(QToolTip::palette());
    widget->setFont(QToolTip::font());
}

void CPopup::Show(int ms)
{
    widget_->show();
    qApp->installEventFilter(this);
    expiry_.start(ms, this);
}

int CPopup::Margin() const
{
    return 2 + widget_->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, widget_);
}

void CPopup::PaintPanel(QPainter& painter) const
{
    QStyleOptionFrame frame;
    frame.initFrom(widget_);
    widget_->style()->drawPrimitive(QStyle::PE_PanelTipLabel, &frame, &painter, widget_);
}

// Watches the whole program while the pop-up shows, itself included.
bool CPopup::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Hide:
        if (watched == widget_) {
            qApp->removeEventFilter(this);
            expiry_.stop();
            emit hidden();
        }
        break;
    case QEvent::KeyPress:
        widget_->hide();
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            emit dismissed();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel: widget_->hide(); break;
    case QEvent::WindowDeactivate:
    case QEvent::FocusOut:
        if (closing_ == Closing::OnInputOrFocusLoss)
            widget_->hide();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void CPopup::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == expiry_.timerId())
        widget_->hide();
    else
        QObject::timerEvent(event);
}
