#include "platform/x11_session.h"

#include <cstring>

namespace platform::x11 {

Session::Session() : m_connection(xcb_connect(nullptr, nullptr)) {
    // xcb_connect never returns null; a missing or unreachable display gives a connection in the
    // error state, which must still be disconnected.
    m_open = m_connection != nullptr && xcb_connection_has_error(m_connection) == 0;
}

Session::~Session() {
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
    }
}

std::vector<xcb_window_t> Session::rootWindows() const {
    std::vector<xcb_window_t> roots;
    if (!m_open) {
        return roots;
    }
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(m_connection)); it.rem > 0;
         xcb_screen_next(&it)) {
        roots.push_back(it.data->root);
    }
    return roots;
}

std::vector<xcb_atom_t> Session::existingAtoms(const std::vector<std::string_view>& names) const {
    std::vector<xcb_atom_t> atoms(names.size(), XCB_NONE);
    if (!m_open) {
        return atoms;
    }
    std::vector<xcb_intern_atom_cookie_t> cookies;
    cookies.reserve(names.size());
    for (const std::string_view name : names) {
        cookies.push_back(
            xcb_intern_atom(m_connection, 1, static_cast<uint16_t>(name.size()), name.data()));
    }
    for (size_t i = 0; i < cookies.size(); ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(m_connection, cookies[i], nullptr));
        if (reply) {
            atoms[i] = reply->atom;
        }
    }
    return atoms;
}

std::vector<uint32_t> Property::values32() const {
    std::vector<uint32_t> values;
    if (format != 32) {
        return values;
    }
    values.resize(bytes.size() / sizeof(uint32_t));
    std::memcpy(values.data(), bytes.data(), values.size() * sizeof(uint32_t));
    return values;
}

xcb_get_property_cookie_t RequestProperty(xcb_connection_t* connection, xcb_window_t window,
                                          xcb_atom_t property, uint32_t maxBytes) {
    // The length is counted in 32-bit units; round up so that maxBytes are always covered.
    return xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                            (maxBytes + 3) / 4);
}

Property ReceiveProperty(xcb_connection_t* connection, xcb_get_property_cookie_t cookie) {
    Property property;
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, &error));
    // A window that was destroyed after we learned its id answers with an error: it simply has
    // no properties any more.
    std::free(error);
    if (!reply || reply->type == XCB_NONE) {
        return property;
    }
    property.type = reply->type;
    property.format = reply->format;
    property.truncated = reply->bytes_after != 0;
    const int length = xcb_get_property_value_length(reply.get());
    if (length > 0) {
        property.bytes.assign(static_cast<const char*>(xcb_get_property_value(reply.get())),
                              static_cast<size_t>(length));
    }
    return property;
}

std::vector<xcb_window_t> ChildrenOf(xcb_connection_t* connection,
                                     const std::vector<xcb_window_t>& parents) {
    std::vector<xcb_query_tree_cookie_t> cookies;
    cookies.reserve(parents.size());
    for (const xcb_window_t parent : parents) {
        cookies.push_back(xcb_query_tree(connection, parent));
    }
    std::vector<xcb_window_t> children;
    for (const xcb_query_tree_cookie_t cookie : cookies) {
        xcb_generic_error_t* error = nullptr;
        const Reply<xcb_query_tree_reply_t> reply(xcb_query_tree_reply(connection, cookie, &error));
        std::free(error);
        if (!reply) {
            continue;
        }
        const xcb_window_t* first = xcb_query_tree_children(reply.get());
        const int count = xcb_query_tree_children_length(reply.get());
        // The server lists children bottom to top; the window a user sees first is the last.
        for (int i = count - 1; i >= 0; --i) {
            children.push_back(first[i]);
        }
    }
    return children;
}

} // namespace platform::x11
