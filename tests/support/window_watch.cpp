#include "window_watch.h"

#include <cstdlib>

namespace testkit {

TopLevelWatch::TopLevelWatch(const std::string& display)
    : m_client(display), m_windows(m_client), m_wmName(m_client.Atom("WM_NAME")),
      m_netWmName(m_client.Atom("_NET_WM_NAME")) {
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_client.connection(), m_client.root(), XCB_CW_EVENT_MASK, &mask);
    m_client.Sync();
}

void TopLevelWatch::ReadCaption(xcb_window_t window) {
    if (const auto caption = m_windows.Caption(window)) {
        m_captions[window] = *caption;
    }
}

void TopLevelWatch::Look() {
    xcb_connection_t* connection = m_client.connection();
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        switch (event->response_type & 0x7F) {
        case XCB_CREATE_NOTIFY: {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (created->parent == m_client.root()) {
                // From now on a caption set on it is reported; one set before is read here.
                const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(connection, created->window, XCB_CW_EVENT_MASK, &mask);
                ReadCaption(created->window);
            }
            break;
        }
        case XCB_MAP_NOTIFY: {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (mapped->event == m_client.root()) {
                ++m_maps[mapped->window];
                ReadCaption(mapped->window);
            }
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto* changed = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (changed->atom == m_wmName || changed->atom == m_netWmName) {
                ReadCaption(changed->window);
            }
            break;
        }
        default:
            break;
        }
        std::free(event);
    }
    xcb_flush(connection);
}

std::vector<xcb_window_t> TopLevelWatch::Mapped() const {
    std::vector<xcb_window_t> windows;
    for (const auto& [window, maps] : m_maps) {
        windows.push_back(window);
    }
    return windows;
}

int TopLevelWatch::Maps() const {
    int maps = 0;
    for (const auto& [window, count] : m_maps) {
        maps += count;
    }
    return maps;
}

std::string TopLevelWatch::CaptionOf(xcb_window_t window) const {
    const auto named = m_captions.find(window);
    return named == m_captions.end() ? std::string() : named->second;
}

} // namespace testkit
