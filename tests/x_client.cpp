#include "x_client.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace whole_program {

XClient::XClient(const std::string& display) : m_connection(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(m_connection) != 0) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("cannot connect to X display " + display);
    }
    m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
}

XClient::~XClient() {
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

void XClient::Sync() const {
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

} // namespace whole_program
