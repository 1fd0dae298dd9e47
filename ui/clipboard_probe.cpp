// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "clipboard_probe.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Outcome = CClipboardText::Outcome;

struct CFree {
    void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using CReply = std::unique_ptr<T, CFree>;

// A connection of the program's own to the X server: the toolkit's own
// reads its events on another thread, and an answer meant for this reader
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

    ~CXConnection() { xcb_disconnect(c_); }

    // The window that owns the clipboard, or XCB_NONE.
    xcb_window_t Owner()
    {
        CReply<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, clipboard_), nullptr));
        return reply ? reply->owner : XCB_NONE;
    }

    // Watches window, so that Gone() hears when it goes (and its number may
    // be another's); false when it is gone already.
    bool Watch(xcb_window_t window)
    {
        const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        const CReply<xcb_generic_error_t> error(
            xcb_request_check(c_, xcb_change_window_attributes_checked(c_, window, XCB_CW_EVENT_MASK, &events)));
        return !error;
    }

    // True when window, watched, has gone since.
    bool Gone(xcb_window_t window)
    {
        bool gone = false;
        while (const CReply<xcb_generic_event_t> event{xcb_poll_for_event(c_)})
            gone |= (event->response_type & 0x7F) == XCB_DESTROY_NOTIFY
                && reinterpret_cast<const xcb_destroy_notify_event_t*>(event.get())->window == window;
        return gone;
    }

    // The owner's text: first the list of its formats, then the best text
    // format on it (or, from an owner that keeps no list, each in turn).
    CClipboardText Read()
    {
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(CClipboardProbe::kTransferMs);
        std::string bytes;
        const Outcome listed = Transfer(targets_, bytes, end);
        if (listed == Outcome::Silent)
            return {Outcome::Silent, {}};
        std::vector<xcb_atom_t> offered(bytes.size() / sizeof(xcb_atom_t));
        if (listed == Outcome::Read)
            std::memcpy(offered.data(), bytes.data(), offered.size() * sizeof(xcb_atom_t));
        for (const xcb_atom_t format : {utf8_, plainUtf8_, string_}) {
            if (listed == Outcome::Read && std::find(offered.begin(), offered.end(), format) == offered.end())
                continue;
            const Outcome outcome = Transfer(format, bytes, end);
            if (outcome == Outcome::NoText)
                continue;
            if (outcome != Outcome::Read)
                return {outcome, {}};
            const QString text = format == string_
                ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                : QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
            return {text.isEmpty() ? Outcome::NoText : Outcome::Read, text};
        }
        return {Outcome::NoText, {}};
    }

private:
    CXConnection()
    {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        if (!screen)
            return;
        window_ = xcb_generate_id(c_);
        // A chunked transfer goes on each time the owner changes the property.
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          screen->root_visual, XCB_CW_EVENT_MASK, &events);
        clipboard_ = Atom("CLIPBOARD");
        targets_ = Atom("TARGETS");
        property_ = Atom("ZIFREL_CLIPBOARD_PROBE");
        incr_ = Atom("INCR");
        utf8_ = Atom("UTF8_STRING");
        plainUtf8_ = Atom("text/plain;charset=utf-8");
        string_ = XCB_ATOM_STRING;
        usable_ = clipboard_ && targets_ && property_ && incr_ && utf8_ && plainUtf8_;
    }

    xcb_atom_t Atom(const char* name)
    {
        CReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

    // Asks the owner for its contents as format and reads them into bytes:
    // Read, NoText when it has no such format, Silent when a stage took
    // longer than the patience allows or went past end, TooLong.
    Outcome Transfer(xcb_atom_t format, std::string& bytes, Clock::time_point end)
    {
        bytes.clear();
        // What a transfer given up on left behind is no answer to this one.
        while (CReply<xcb_generic_event_t> stale{xcb_poll_for_event(c_)}) {
        }
        xcb_delete_property(c_, window_, property_);
        xcb_convert_selection(c_, window_, clipboard_, format, property_, XCB_CURRENT_TIME);
        xcb_flush(c_);
        const auto notice = WaitFor(end, [&](const xcb_generic_event_t* event) {
            const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
            return (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY && notify->requestor == window_
                && notify->selection == clipboard_ && notify->target == format;
        });
        if (!notice)
            return Outcome::Silent;
        if (reinterpret_cast<const xcb_selection_notify_event_t*>(notice.get())->property == XCB_NONE)
            return Outcome::NoText;
        return Fetch(bytes, end);
    }

    // Reads what the owner put into the property, or follows its chunked
    // transfer.
    Outcome Fetch(std::string& bytes, Clock::time_point end)
    {
        const CReply<xcb_get_property_reply_t> reply = Property(false, CClipboardProbe::kMaxBytes);
        if (!reply)
            return Outcome::Silent;
        if (reply->type == incr_)
            return FetchChunks(bytes, end);
        xcb_delete_property(c_, window_, property_);
        xcb_flush(c_);
        return Append(*reply, bytes);
    }

    // A chunked transfer: deleting the property asks for the next chunk, an
    // empty one ends it. Stopping short of the end, the property stays, and
    // the owner is asked for nothing more.
    Outcome FetchChunks(std::string& bytes, Clock::time_point end)
    {
        xcb_delete_property(c_, window_, property_);
        xcb_flush(c_);
        for (;;) {
            const auto chunk = WaitFor(end, [&](const xcb_generic_event_t* event) {
                const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                return (event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY && notify->window == window_
                    && notify->atom == property_ && notify->state == XCB_PROPERTY_NEW_VALUE;
            });
            if (!chunk)
                return Outcome::Silent;
            // Taken whole, the chunk is deleted with the read.
            const CReply<xcb_get_property_reply_t> reply = Property(true, CClipboardProbe::kMaxBytes - bytes.size());
            if (!reply)
                return Outcome::Silent;
            if (xcb_get_property_value_length(reply.get()) == 0)
                return Outcome::Read;
            if (const Outcome outcome = Append(*reply, bytes); outcome != Outcome::Read)
                return outcome;
        }
    }

    // The property's value, up to room bytes and one word more.
    CReply<xcb_get_property_reply_t> Property(bool remove, std::size_t room)
    {
        const auto words = static_cast<std::uint32_t>(room / 4 + 1);
        return CReply<xcb_get_property_reply_t>(xcb_get_property_reply(
            c_, xcb_get_property(c_, remove, window_, property_, XCB_GET_PROPERTY_TYPE_ANY, 0, words), nullptr));
    }

    static Outcome Append(const xcb_get_property_reply_t& reply, std::string& bytes)
    {
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(&reply));
        if (reply.bytes_after > 0 || bytes.size() + length > CClipboardProbe::kMaxBytes)
            return Outcome::TooLong;
        const auto* value = static_cast<const char*>(xcb_get_property_value(&reply));
        bytes.append(value, length);
        return Outcome::Read;
    }

    // The first event that match takes, within the patience of one stage
    // and before end; null when none comes.
    template <typename Match>
    CReply<xcb_generic_event_t> WaitFor(Clock::time_point end, Match match)
    {
        end = std::min(end, Clock::now() + std::chrono::milliseconds(CClipboardProbe::kPatienceMs));
        for (;;) {
            while (CReply<xcb_generic_event_t> event{xcb_poll_for_event(c_)})
                if (match(event.get()))
                    return event;
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
            if (left <= 0 || xcb_connection_has_error(c_))
                return nullptr;
            pollfd descriptor{xcb_get_file_descriptor(c_), POLLIN, 0};
            ::poll(&descriptor, 1, static_cast<int>(left));
        }
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t clipboard_ = XCB_NONE;
    xcb_atom_t targets_ = XCB_NONE;
    xcb_atom_t property_ = XCB_NONE;
    xcb_atom_t incr_ = XCB_NONE;
    xcb_atom_t utf8_ = XCB_NONE;
    xcb_atom_t plainUtf8_ = XCB_NONE;
    xcb_atom_t string_ = XCB_NONE;
    bool usable_ = false;
};

// The owner that last failed to answer.
xcb_window_t silentOwner = XCB_NONE;

// The toolkit's own read, where it does not wait on another program.
CClipboardText ToolkitText()
{
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return {Outcome::NoText, {}};
    if (static_cast<std::size_t>(text.toUtf8().size()) > CClipboardProbe::kMaxBytes)
        return {Outcome::TooLong, {}};
    return {Outcome::Read, text};
}

} // namespace

void CClipboardProbe::Forget() { silentOwner = XCB_NONE; }

CClipboardText ReadClipboardText()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || QApplication::clipboard()->ownsClipboard())
        return ToolkitText();
    CXConnection* connection = CXConnection::Get();
    if (!connection)
        return ToolkitText();
    const xcb_window_t owner = connection->Owner();
    if (owner == XCB_NONE) {
        silentOwner = XCB_NONE;
        return {Outcome::NoText, {}};
    }
    // An owner that did not answer is not waited for again, while it lasts.
    if (owner == silentOwner && !connection->Gone(owner))
        return {Outcome::Silent, {}};
    CClipboardText read = connection->Read();
    silentOwner = read.outcome == Outcome::Silent && connection->Watch(owner) ? owner : XCB_NONE;
    return read;
}
