#include "window_finder.h"

#include "wait.h"

#include <cstdlib>

namespace testkit {
namespace {

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string utf8;
    for (const char byte : latin1) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            utf8.push_back(byte);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (code >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return utf8;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << rect.width << "x" << rect.height << "+" << rect.x << "+" << rect.y;
}

std::vector<xcb_window_t> WindowFinder::TopLevelWindows() const {
    xcb_connection_t* connection = m_client.connection();
    xcb_query_tree_reply_t* reply =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, m_client.root()), nullptr);
    std::vector<xcb_window_t> windows;
    if (reply != nullptr) {
        const xcb_window_t* children = xcb_query_tree_children(reply);
        windows.assign(children, children + xcb_query_tree_children_length(reply));
    }
    std::free(reply);
    return windows;
}

std::optional<std::string> WindowFinder::Caption(xcb_window_t window) const {
    const XClient::Property netWmName = m_client.ReadProperty(window, "_NET_WM_NAME");
    if (netWmName.type != XCB_NONE && netWmName.format == 8) {
        return netWmName.bytes;
    }
    const XClient::Property wmName = m_client.ReadProperty(window, "WM_NAME");
    if (wmName.type == XCB_NONE || wmName.format != 8) {
        return std::nullopt;
    }
    if (wmName.type == XCB_ATOM_STRING) {
        return Latin1ToUtf8(wmName.bytes);
    }
    return wmName.bytes; // UTF8_STRING; our captions are plain ASCII in any other encoding
}

std::vector<xcb_window_t> WindowFinder::Captioned(std::string_view caption) const {
    std::vector<xcb_window_t> found;
    for (const xcb_window_t window : TopLevelWindows()) {
        if (Caption(window) == caption) {
            found.push_back(window);
        }
    }
    return found;
}

std::vector<xcb_window_t> WindowFinder::ViewableCaptioned(std::string_view caption) const {
    std::vector<xcb_window_t> found;
    for (const xcb_window_t window : Captioned(caption)) {
        if (IsViewable(window)) {
            found.push_back(window);
        }
    }
    return found;
}

bool WindowFinder::IsViewable(xcb_window_t window) const {
    xcb_connection_t* connection = m_client.connection();
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr);
    const bool viewable = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return viewable;
}

std::optional<xcb_window_t> WindowFinder::WaitForViewable(std::string_view caption,
                                                          std::chrono::milliseconds limit) const {
    return WaitFor(
        [&]() -> std::optional<xcb_window_t> {
            const std::vector<xcb_window_t> found = ViewableCaptioned(caption);
            return found.empty() ? std::nullopt : std::optional(found.front());
        },
        limit, std::chrono::milliseconds(50));
}

std::optional<Rect> WindowFinder::Geometry(xcb_window_t window) const {
    xcb_connection_t* connection = m_client.connection();
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, m_client.root(), 0, 0), nullptr);
    std::optional<Rect> rect;
    if (geometry != nullptr && origin != nullptr) {
        rect = Rect{origin->dst_x, origin->dst_y, geometry->width, geometry->height};
    }
    std::free(geometry);
    std::free(origin);
    return rect;
}

} // namespace testkit
