#pragma once

// The little of xcb that the window lookup and the focus request share. Not for callers outside
// platform/: they speak in WindowHandle and never see a connection.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::x11 {

// xcb hands out replies allocated with malloc.
struct FreeReply final {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// Our own connection to the X server that $DISPLAY names, independent of Qt's, so that it can be
// used before the application has any window, or without a Qt platform at all.
class Session final {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool isOpen() const { return m_open; }
    xcb_connection_t* connection() const { return m_connection; }

    std::vector<xcb_window_t> rootWindows() const;

    // Looks the atoms up without creating them. An atom nobody has interned comes back as
    // XCB_NONE: no window can carry a property of that name or type, so there is nothing to ask.
    std::vector<xcb_atom_t> existingAtoms(const std::vector<std::string_view>& names) const;

private:
    xcb_connection_t* m_connection = nullptr;
    bool m_open = false;
};

struct Property final {
    xcb_atom_t type = XCB_NONE; // XCB_NONE: no such property, or the window is gone
    uint8_t format = 0;
    bool truncated = false; // longer than we were willing to read
    std::string bytes;

    bool exists() const { return type != XCB_NONE; }
    // The value read as 32-bit items (window ids, atoms); empty unless the format is 32.
    std::vector<uint32_t> values32() const;
};

// Requests are sent first and answered later, so that asking a hundred windows costs one round
// trip, not a hundred. maxBytes 0 asks only whether the property exists and of which type.
xcb_get_property_cookie_t RequestProperty(xcb_connection_t* connection, xcb_window_t window,
                                          xcb_atom_t property, uint32_t maxBytes = 1u << 20);
Property ReceiveProperty(xcb_connection_t* connection, xcb_get_property_cookie_t cookie);

// The children of each window in `parents`, each parent's topmost child first; a parent that has
// gone meanwhile contributes none.
std::vector<xcb_window_t> ChildrenOf(xcb_connection_t* connection,
                                     const std::vector<xcb_window_t>& parents);

} // namespace platform::x11
