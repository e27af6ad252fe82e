#include "x_client.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace testkit {

XClient::XClient(const std::string& display)
    : m_connection(xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr)) {
    if (xcb_connection_has_error(m_connection) != 0) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("cannot connect to X display " + display);
    }
    m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
}

XClient::~XClient() {
    for (const xcb_atom_t property : m_rootProperties)
        xcb_delete_property(m_connection, root(), property);
    Sync();
    xcb_disconnect(m_connection);
}

xcb_atom_t XClient::Atom(std::string_view name) const {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_NONE};
    std::free(reply);
    return atom;
}

std::string XClient::AtomName(xcb_atom_t atom) const {
    xcb_get_atom_name_reply_t* reply =
        xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), nullptr);
    std::string name;
    if (reply != nullptr) {
        name.assign(xcb_get_atom_name_name(reply),
                    static_cast<size_t>(xcb_get_atom_name_name_length(reply)));
    }
    std::free(reply);
    return name;
}

XClient::Property XClient::ReadProperty(xcb_window_t window, std::string_view name) const {
    constexpr uint32_t kLongs = 1u << 16; // far more than any caption or list read here
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, kLongs),
        nullptr);
    Property property;
    if (reply != nullptr && reply->type != XCB_NONE) {
        property.type = reply->type;
        property.format = reply->format;
        property.bytes.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                              static_cast<size_t>(xcb_get_property_value_length(reply)));
    }
    std::free(reply);
    return property;
}

std::vector<uint32_t> XClient::Values32(xcb_window_t window, std::string_view name) const {
    const Property property = ReadProperty(window, name);
    std::vector<uint32_t> values;
    if (property.format == 32) {
        values.resize(property.bytes.size() / 4);
        std::memcpy(values.data(), property.bytes.data(), values.size() * 4);
    }
    return values;
}

xcb_window_t XClient::InputFocus() const {
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
    const xcb_window_t focus = reply != nullptr ? reply->focus : xcb_window_t{XCB_NONE};
    std::free(reply);
    return focus;
}

xcb_window_t XClient::CreateWindow(xcb_window_t parent, int x, int y, int width, int height) const {
    const xcb_window_t window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, parent, static_cast<int16_t>(x),
                      static_cast<int16_t>(y), static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(m_connection, window);
    return window;
}

void XClient::DestroyWindow(xcb_window_t window) const {
    xcb_destroy_window(m_connection, window);
}

void XClient::SetText(xcb_window_t window, std::string_view property, std::string_view type,
                      std::string_view bytes) const {
    SetProperty(window, Atom(property), Atom(type), 8, static_cast<uint32_t>(bytes.size()),
                bytes.data());
}

void XClient::SetValues32(xcb_window_t window, std::string_view property, xcb_atom_t type,
                          const std::vector<uint32_t>& values) const {
    SetProperty(window, Atom(property), type, 32, static_cast<uint32_t>(values.size()),
                values.data());
}

void XClient::SetProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, uint8_t format,
                          uint32_t count, const void* data) const {
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, type, format, count,
                        data);
    if (window == root())
        m_rootProperties.push_back(property);
}

void XClient::Sync() const {
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

} // namespace testkit
