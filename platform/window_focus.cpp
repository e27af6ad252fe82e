#include "platform/window_lookup.h"

#include "platform/x11_session.h"

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

struct FocusAtoms final {
    xcb_atom_t supportingWmCheck = XCB_NONE;
    xcb_atom_t supported = XCB_NONE;
    xcb_atom_t activeWindow = XCB_NONE;
};

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    xcb_generic_error_t* error = nullptr;
    const x11::Reply<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), &error));
    std::free(error);
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// A window manager that is running now (its check window still points at itself: one that has
// exited leaves the root's properties behind) and lists _NET_ACTIVE_WINDOW as supported.
bool WindowManagerTakesActivation(xcb_connection_t* connection, xcb_window_t root,
                                  const FocusAtoms& atoms) {
    if (atoms.supportingWmCheck == XCB_NONE || atoms.supported == XCB_NONE ||
        atoms.activeWindow == XCB_NONE) {
        return false;
    }
    auto windowIn = [&](xcb_window_t window) {
        const auto values =
            x11::ReceiveProperty(
                connection, x11::RequestProperty(connection, window, atoms.supportingWmCheck, 4))
                .values32();
        return values.empty() ? xcb_window_t{XCB_WINDOW_NONE} : values.front();
    };
    const xcb_window_t check = windowIn(root);
    if (check == XCB_WINDOW_NONE || windowIn(check) != check) {
        return false;
    }
    const auto supported =
        x11::ReceiveProperty(connection, x11::RequestProperty(connection, root, atoms.supported))
            .values32();
    return std::find(supported.begin(), supported.end(), atoms.activeWindow) != supported.end();
}

void SendActivationRequest(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                           xcb_atom_t activeWindow) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = activeWindow;
    event.data.data32[0] = 1; // source indication: an ordinary application asks
    event.data.data32[1] = XCB_CURRENT_TIME;
    event.data.data32[2] = XCB_WINDOW_NONE; // we have no active window of our own
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

void RequestFocus(std::optional<WindowHandle> window) {
    if (!window) {
        return;
    }
    const x11::Session session;
    if (!session.isOpen()) {
        return;
    }
    xcb_connection_t* connection = session.connection();
    const auto atoms =
        session.existingAtoms({"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_ACTIVE_WINDOW"});
    const FocusAtoms focusAtoms{atoms[0], atoms[1], atoms[2]};
    const xcb_window_t root = RootOf(connection, window->id);
    if (root == XCB_WINDOW_NONE) {
        return; // the window has gone since it was found
    }
    if (WindowManagerTakesActivation(connection, root, focusAtoms)) {
        SendActivationRequest(connection, root, window->id, focusAtoms.activeWindow);
    } else {
        // Fails (harmlessly, the error is never read) when the window is not viewable.
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, window->id, XCB_CURRENT_TIME);
    }
    // One round trip, so the request has been handled before our connection closes: the caller
    // usually ends the process right after asking.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace platform
