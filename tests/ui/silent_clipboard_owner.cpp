// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// Takes the X clipboard and never answers for it, as a program that hangs
// does; or, given a text, holds that text and answers as a well-behaved
// program does. Prints "owner" once it holds the clipboard, then serves
// (or ignores) requests until killed.
//   silent_clipboard_owner [TEXT]

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

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
// of what it can hand over.
void Serve(xcb_connection_t* connection, const std::string& text)
{
    const xcb_atom_t targets = Atom(connection, "TARGETS");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7F) == XCB_SELECTION_REQUEST) {
            const auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
            xcb_atom_t property = request->property == XCB_NONE ? request->target : request->property;
            if (request->target == targets) {
                const xcb_atom_t offered[] = {targets, utf8};
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request->requestor, property, XCB_ATOM_ATOM,
                                    32, 2, offered);
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
    if (argc > 1)
        Serve(connection, argv[1]);
    // Requests for the clipboard pile up unanswered.
    for (;;)
        ::pause();
}
