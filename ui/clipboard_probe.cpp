// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "clipboard_probe.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>

namespace {

// A connection of the program's own to the X server: the toolkit's own
// reads its events on another thread, and an answer meant for this probe
// must not reach the toolkit, nor the toolkit's reach it.
class CXConnection {
public:
    static CXConnection* Get()
    {
        static std::unique_ptr<CXConnection> connection = [] {
            auto made = std::unique_ptr<CXConnection>(new CXConnection);
            return made->usable_ ? std::move(made) : nullptr;
        }();
        return connection.get();
    }

    ~CXConnection() { xcb_disconnect(connection_); }

    // The window that owns the clipboard, or XCB_NONE.
    xcb_window_t Owner()
    {
        auto* reply = xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, clipboard_), nullptr);
        const xcb_window_t owner = reply ? reply->owner : XCB_NONE;
        std::free(reply);
        return owner;
    }

    // True when the clipboard's owner answers a request for its formats
    // within patience milliseconds.
    bool Answers(int patience)
    {
        xcb_delete_property(connection_, window_, property_);
        xcb_convert_selection(connection_, window_, clipboard_, targets_, property_, XCB_CURRENT_TIME);
        xcb_flush(connection_);
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool answer = (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY;
                std::free(event);
                if (answer)
                    return true;
            }
            const auto left = patience - static_cast<int>(waited.elapsed());
            if (left <= 0 || xcb_connection_has_error(connection_))
                return false;
            pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
            ::poll(&descriptor, 1, left);
        }
    }

private:
    CXConnection()
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        if (!screen)
            return;
        window_ = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
        clipboard_ = Atom("CLIPBOARD");
        targets_ = Atom("TARGETS");
        property_ = Atom("ZIFREL_CLIPBOARD_PROBE");
        usable_ = clipboard_ != XCB_NONE && targets_ != XCB_NONE && property_ != XCB_NONE;
    }

    xcb_atom_t Atom(const char* name)
    {
        auto* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
        std::free(reply);
        return atom;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t clipboard_ = XCB_NONE;
    xcb_atom_t targets_ = XCB_NONE;
    xcb_atom_t property_ = XCB_NONE;
    bool usable_ = false;
};

// The owner that last failed to answer.
xcb_window_t silentOwner = XCB_NONE;

} // namespace

bool CClipboardProbe::OwnerAnswers()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || QApplication::clipboard()->ownsClipboard())
        return true;
    CXConnection* connection = CXConnection::Get();
    if (!connection)
        return true;
    const xcb_window_t owner = connection->Owner();
    if (owner == XCB_NONE || owner != silentOwner)
        silentOwner = XCB_NONE;
    if (owner == XCB_NONE)
        return true;
    // An owner that did not answer is not waited for again.
    if (owner == silentOwner)
        return false;
    silentOwner = connection->Answers(kPatienceMs) ? XCB_NONE : owner;
    return silentOwner == XCB_NONE;
}

void CClipboardProbe::Forget()
{
    silentOwner = XCB_NONE;
}

std::optional<QString> ClipboardText()
{
    if (!CClipboardProbe::OwnerAnswers())
        return std::nullopt;
    return QApplication::clipboard()->text();
}
