// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "notice.h"

#include "popup.h"
#include "screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace {

constexpr int kShownMs = 8000;
// How long a job may take before a screen reader hears that it is under way.
constexpr int kUnderWayMs = 500;
constexpr int kGap = 4;

// Notices and the announcer are what screen readers call notifications;
// their name is what they say.
class CNotificationAccessible : public QAccessibleWidget {
public:
    explicit CNotificationAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (const auto* notice = qobject_cast<const CNotice*>(widget()))
            return notice->text();
        return static_cast<const CAnnouncer*>(widget())->Said();
    }
    // Said by the application itself: a screen reader names no window
    // before the sentence.
    QAccessibleInterface* parent() const override
    {
        if (qobject_cast<const CAnnouncer*>(widget()))
            return QAccessible::queryAccessibleInterface(qApp);
        return QAccessibleWidget::parent();
    }
};

QAccessibleInterface* CreateForNotification(const QString& className, QObject* object)
{
    if ((className == QLatin1String("CNotice") || className == QLatin1String("CAnnouncer")) && object->isWidgetType())
        return new CNotificationAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

CNotice::CNotice(QWidget* board)
    : QLabel(board, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassGraphicsProxyWidget), board_(board),
      popup_(new CPopup(this, CPopup::Closing::OnInput))
{
    CAnnouncer::Install();
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMargin(popup_->Margin());
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void CNotice::Show(const QString& text)
{
    hide();
    setText(text);
    Place();
    popup_->Show(kShownMs);
}

// As wide as the text needs, up to the screen's width; below the window's
// frame, or above it where the screen ends below, or else over the
// window's foot.
void CNotice::Place()
{
    const QRect frame = board_->windowHandle() ? board_->windowHandle()->frameGeometry() : board_->frameGeometry();
    const QRect screen = board_->screen()->availableGeometry();
    setMaximumWidth(screen.width());
    setMinimumWidth(std::min(frame.width(), screen.width()));
    adjustSize();
    const int x = std::clamp(frame.center().x() - width() / 2, screen.left(),
                             std::max(screen.left(), screen.right() - width() + 1));
    int y = frame.bottom() + 1 + kGap;
    if (y + height() > screen.bottom() + 1)
        y = frame.top() - kGap - height();
    if (y < screen.top())
        y = std::max(screen.top(), frame.bottom() - height());
    move(x, y);
}

void CNotice::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        popup_->PaintPanel(painter);
    }
    QLabel::paintEvent(event);
}

CAnnouncer::CAnnouncer(QWidget* window) : QWidget(window)
{
    Install();
    // Asks the desktop now whether a screen reader runs, so that the
    // answer is in before the first announcement.
    CScreenReader::Instance();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, 1, 1);
    hide();
}

void CAnnouncer::Announce(std::function<QString()> sentence)
{
    underWay_.stop();
    unsaid_ = std::move(sentence);
    if (!CScreenReader::Instance().Listening())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), Said());
    QAccessible::updateAccessibility(&event);
#else
    Said();
    // Screen readers speak a notification as it appears: it appears again
    // with the new sentence, to them alone.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void CAnnouncer::AnnounceUnderWay(const QString& sentence)
{
    underWaySentence_ = sentence;
    underWay_.start(kUnderWayMs, this);
}

void CAnnouncer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != underWay_.timerId())
        return QWidget::timerEvent(event);
    Announce([sentence = underWaySentence_] { return sentence; });
}

QString CAnnouncer::Said() const
{
    if (unsaid_)
        said_ = std::exchange(unsaid_, nullptr)();
    return said_;
}

void CAnnouncer::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateForNotification);
        return true;
    }();
    Q_UNUSED(installed);
}
