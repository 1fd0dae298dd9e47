// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "window_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Moves made after the map before a window manager that keeps putting the
// window elsewhere is let have its way.
constexpr int kMovesMapped = 3;

// The toolkit's own connection to the X server, or none on another
// window system.
xcb_connection_t* XConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply>
using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The atom naming the frame extents, the same for every window on the X
// server: asked for once, as the first window is placed, and its answer
// taken when first needed, by when it has mostly come. So a window shown
// waits on no round trip to the server for it, which over a remote
// display is what counts.
struct CFrameExtentsAtom {
    xcb_connection_t* connection = nullptr;
    xcb_intern_atom_cookie_t question{};
    bool answered = false;
    xcb_atom_t atom = XCB_ATOM_NONE;
};

CFrameExtentsAtom& FrameExtentsAtomOf(xcb_connection_t* connection)
{
    static CFrameExtentsAtom known;
    if (known.connection != connection) {
        static constexpr char kName[] = "_NET_FRAME_EXTENTS";
        known = {connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName)};
        xcb_flush(connection);
    }
    return known;
}

xcb_atom_t FrameExtentsAtom(xcb_connection_t* connection)
{
    CFrameExtentsAtom& known = FrameExtentsAtomOf(connection);
    if (!known.answered) {
        const XReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, known.question, nullptr),
                                                    &std::free);
        known.answered = true;
        known.atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return known.atom;
}

// The frame around a window, as the window manager tells it in the
// window's frame extents; none before it has framed the window, and none
// without a window manager. (The toolkit's own margins for a window not
// yet framed compare the window with a size the X server may not have
// taken yet, and come out as no frame's, such as -469 and -433.)
QMargins FrameExtents(const QWindow* window)
{
    xcb_connection_t* connection = XConnection();
    if (!window || !window->handle() || !connection)
        return window ? window->frameMargins() : QMargins();
    const XReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()),
                                                FrameExtentsAtom(connection), XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return {};
    // Left, right, top, bottom, in the screen's pixels.
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    const double ratio = window->devicePixelRatio();
    const auto side = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
    return {side(sides[0]), side(sides[2]), side(sides[1]), side(sides[3])};
}

// The window an X event is about, for the events that tell of a window's
// frame and place; none for the others.
xcb_window_t PlacementNoticeFor(const xcb_generic_event_t* event, xcb_atom_t frameExtents)
{
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: return reinterpret_cast<const xcb_map_notify_event_t*>(event)->window;
    case XCB_CONFIGURE_NOTIFY: return reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window;
    case XCB_REPARENT_NOTIFY: return reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window;
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        return notify->atom == frameExtents ? notify->window : xcb_window_t{XCB_WINDOW_NONE};
    }
    default: return XCB_WINDOW_NONE;
    }
}

} // namespace

CWindowPlacement::CWindowPlacement(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
    if (xcb_connection_t* connection = XConnection())
        FrameExtentsAtomOf(connection);
}

CWindowPlacement::~CWindowPlacement() { Stop(); }

bool CWindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        // Shown, but not yet mapped: the place goes to the window manager
        // with the map, and the toolkit's own guess is not applied.
        Centre();
        Follow();
    } else if (watched == window_ && event->type() == QEvent::Hide) {
        Stop();
    }
    return QObject::eventFilter(watched, event);
}

void CWindowPlacement::Centre() { MoveTo(Wanted(Frame())); }

QMargins CWindowPlacement::Frame() const
{
    // Under X, until the manager has framed or mapped the window, it has no
    // frame of its own to ask the server about.
    const bool unframed = XConnection() && !framed_ && !mapped_;
    const QMargins own = unframed ? QMargins() : FrameExtents(window_->windowHandle());
    if (!own.isNull() || mapped_)
        return own;
    return FrameExtents(Over());
}

const QWindow* CWindowPlacement::Over() const
{
    return window_->parentWidget() ? window_->parentWidget()->window()->windowHandle() : nullptr;
}

QPoint CWindowPlacement::Wanted(const QMargins& frame) const
{
    const QWindow* over = Over();
    const QRect area =
        over ? over->geometry().marginsAdded(FrameExtents(over)) : window_->screen()->availableGeometry();
    // A window of fixed size is centred with the size it asks for: the
    // widget's own may for a while be the one the X server last reported,
    // from before the window took that size.
    const bool fixed = window_->minimumSize() == window_->maximumSize();
    const QSize outer = (fixed ? window_->minimumSize() : window_->size()).grownBy(frame);
    return {area.x() + (area.width() - outer.width()) / 2 + frame.left(),
            area.y() + (area.height() - outer.height()) / 2 + frame.top()};
}

void CWindowPlacement::MoveTo(const QPoint& place)
{
    QWindow* native = window_->windowHandle();
    // The native window is moved only where it stands elsewhere, as far
    // as the toolkit knows; then the X server answers with a configure.
    if (native && native->position() != place)
        moveUnanswered_ = following_;
    // The widget's geometry, which the toolkit maps the window with while
    // it is being shown; then the native window's, which the widget's may
    // lag behind while notices are on their way.
    window_->setGeometry(QRect(place, window_->size()));
    if (native)
        native->setPosition(place);
}

void CWindowPlacement::Follow()
{
    xcb_connection_t* connection = XConnection();
    if (following_ || !connection)
        return;
    xWindow_ = static_cast<unsigned>(window_->winId());
    frameExtents_ = FrameExtentsAtom(connection);
    following_ = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

void CWindowPlacement::Stop()
{
    if (!following_)
        return;
    following_ = false;
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool CWindowPlacement::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const xcb_window_t about = PlacementNoticeFor(event, frameExtents_);
    if (about == XCB_WINDOW_NONE || about != xWindow_)
        return false;
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: mapped_ = true; break;
    case XCB_PROPERTY_NOTIFY: framed_ = true; break;
    case XCB_CONFIGURE_NOTIFY: moveUnanswered_ = false; break;
    default: break;
    }
    // The toolkit takes the notice in after this filter; placed once it
    // has, and once for notices that come together.
    if (!settleQueued_) {
        settleQueued_ = true;
        QMetaObject::invokeMethod(this, &CWindowPlacement::Settle, Qt::QueuedConnection);
    }
    return false;
}

void CWindowPlacement::Settle()
{
    settleQueued_ = false;
    const QWindow* native = window_->windowHandle();
    // Until the window is framed or mapped, nothing is known that the
    // placement on showing did not know.
    if (!following_ || !native || !window_->isVisible() || !(framed_ || mapped_))
        return;
    const QPoint wanted = Wanted(Frame());
    if (native->position() != wanted) {
        if (mapped_ && ++movesMapped_ > kMovesMapped)
            Stop();
        else
            MoveTo(wanted);
    } else if (mapped_ && !moveUnanswered_) {
        // Mapped, framed and where it should stand: from now on the
        // window is the user's to move.
        Stop();
    }
}
