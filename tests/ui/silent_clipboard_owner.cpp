// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Takes the X clipboard and never answers for it, as a program that hangs
// does; or, given a text, holds that text and answers as a well-behaved
// program does; given --formats, it lists its formats but never sends them;
// given --incr BYTES, it hands over so many 7s in chunks of 64 KiB (none:
// stalls). Says "owner" once it holds the clipboard, "asked" at each request,
// "sent" at each chunk, and ends once another program takes the clipboard.
//   silent_clipboard_owner [TEXT | --formats | --incr BYTES]

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

// Hands text over to whoever asks for it as UTF8_STRING, or for the list
// of what it can hand over, as mode says.
void Serve(xcb_connection_t* connection, const std::string& mode, const std::string& text)
{
    const xcb_atom_t targets = Atom(connection, "TARGETS");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    const xcb_atom_t incr = Atom(connection, "INCR");
    std::uint64_t left = mode == "--incr" ? std::stoull(text) : 0;
    xcb_selection_request_event_t chunked{};
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const auto* deleted = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if ((event->response_type & 0x7F) == XCB_SELECTION_CLEAR) {
            std::exit(0);
        } else if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY && deleted->window == chunked.requestor
                   && deleted->atom == chunked.property && deleted->state == XCB_PROPERTY_DELETE && text != "0") {
            const std::string chunk(std::min<std::uint64_t>(left, 65536), '7');
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, chunked.requestor, chunked.property, utf8, 8,
                                static_cast<std::uint32_t>(chunk.size()), chunk.data());
            xcb_flush(connection);
            left -= chunk.size();
            chunked.requestor = chunk.empty() ? XCB_NONE : chunked.requestor;
            std::puts("sent");
            std::fflush(stdout);
        } else if ((event->response_type & 0x7F) == XCB_SELECTION_REQUEST) {
            const auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
            std::puts("asked");
            std::fflush(stdout);
            if (mode == "--silent" || (request->target == utf8 && mode == "--formats")) {
                std::free(event);
                continue;
            }
            xcb_atom_t property = request->property == XCB_NONE ? request->target : request->property;
            if (request->target == targets) {
                const xcb_atom_t offered[] = {targets, utf8};
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request->requestor, property, XCB_ATOM_ATOM, 32,
                                    2, offered);
            } else if (request->target == utf8 && mode == "--incr") {
                // Each chunk is asked for by deleting the property.
                const std::uint32_t changes = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(connection, request->requestor, XCB_CW_EVENT_MASK, &changes);
                const auto size = static_cast<std::uint32_t>(left);
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request->requestor, property, incr, 32, 1,
                                    &size);
                chunked = *request;
                chunked.property = property;
            } else if (request->target == utf8) {
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request->requestor, property, utf8, 8,
                                    static_cast<std::uint32_t>(text.size()), text.data());
            } else {
                property = XCB_NONE;
            }
            xcb_selection_notify_event_t notify{};
            notify.response_type = XCB_SELECTION_NOTIFY;
            notify.time = request->time;
            notify.requestor = request->requestor;
            notify.selection = request->selection;
            notify.target = request->target;
            notify.property = property;
            xcb_send_event(connection, 0, request->requestor, XCB_EVENT_MASK_NO_EVENT,
                           reinterpret_cast<const char*>(&notify));
            xcb_flush(connection);
        }
        std::free(event);
    }
}

} // namespace

int main(int argc, char** argv)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("silent_clipboard_owner: no display\n", stderr);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    const xcb_atom_t clipboard = Atom(connection, "CLIPBOARD");
    xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
    auto* owner = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboard), nullptr);
    if (!owner || owner->owner != window) {
        std::fputs("silent_clipboard_owner: could not take the clipboard\n", stderr);
        return 1;
    }
    std::free(owner);
    std::puts("owner");
    std::fflush(stdout);
    const std::string mode = argc == 1 ? "--silent" : argv[1][0] == '-' ? argv[1] : "";
    Serve(connection, mode, argc > 1 + !mode.empty() ? argv[1 + !mode.empty()] : "");
}
