// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "explanation_tip.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>
#include <QScreen>
#include <QStyleOption>
#include <QToolTip>
#include <QStylePainter>

namespace {

constexpr int kShownMs = 15000;

} // namespace

CExplanationTip::CExplanationTip(QWidget* parent) : QLabel(parent, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
}

void CExplanationTip::ShowAt(const QString& text, const QPoint& at)
{
    setText(text);
    adjustSize();
    const QRect screen = (QGuiApplication::screenAt(at) ? QGuiApplication::screenAt(at) : this->screen())->availableGeometry();
    QPoint corner = at;
    corner.setX(std::clamp(corner.x(), screen.left(), std::max(screen.left(), screen.right() - width())));
    corner.setY(std::clamp(corner.y(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
    move(corner);
    show();
    qApp->installEventFilter(this);
    expiry_.start(kShownMs, this);
}

bool CExplanationTip::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        hide();
        // Escape closes the explanation and nothing else.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
    case QEvent::FocusOut:
        hide();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void CExplanationTip::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    expiry_.stop();
    QLabel::hideEvent(event);
    emit hidden();
}

void CExplanationTip::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, frame);
    painter.end();
    QLabel::paintEvent(event);
}

void CExplanationTip::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == expiry_.timerId())
        hide();
    else
        QLabel::timerEvent(event);
}
