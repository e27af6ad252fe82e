#include "input_driver.h"

#include <xcb/xtest.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace testkit {
namespace {

// Lets the program take each event in before the next, as a hand would.
void Pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

// The key names the tests type, as X names their key symbols; a single letter or digit is its
// own symbol.
xcb_keysym_t KeySymbol(const std::string& name) {
    static const std::map<std::string, xcb_keysym_t> kNamed{
        {"shift", 0xFFE1},  {"ctrl", 0xFFE3},     {"alt", 0xFFE9},    {"Tab", 0xFF09},
        {"Return", 0xFF0D}, {"KP_Enter", 0xFF8D}, {"Escape", 0xFF1B}, {"space", 0x20},
        {"Up", 0xFF52},     {"Down", 0xFF54},     {"Left", 0xFF51},   {"Right", 0xFF53},
        {"F3", 0xFFC0},
    };
    if (const auto named = kNamed.find(name); named != kNamed.end())
        return named->second;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<xcb_keysym_t>(std::tolower(static_cast<unsigned char>(name[0])));
    throw std::runtime_error("no key symbol for \"" + name + "\"");
}

} // namespace

InputDriver::InputDriver(const std::string& display)
    : m_client(display), m_symbols(xcb_key_symbols_alloc(m_client.connection())) {
    const xcb_query_extension_reply_t* xtest =
        xcb_get_extension_data(m_client.connection(), &xcb_test_id);
    if (xtest == nullptr || xtest->present == 0)
        throw std::runtime_error("the X server " + display + " has no XTEST");
}

InputDriver::~InputDriver() {
    xcb_key_symbols_free(m_symbols);
}

void InputDriver::Fake(uint8_t type, uint8_t detail, int x, int y) const {
    xcb_test_fake_input(m_client.connection(), type, detail, XCB_CURRENT_TIME, m_client.root(),
                        static_cast<int16_t>(x), static_cast<int16_t>(y), 0);
    m_client.Sync(); // the server has taken it in before the next step
}

xcb_keycode_t InputDriver::KeyCode(const std::string& name) const {
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(m_symbols, KeySymbol(name));
    const xcb_keycode_t code = codes != nullptr ? codes[0] : XCB_NO_SYMBOL;
    std::free(codes);
    if (code == XCB_NO_SYMBOL)
        throw std::runtime_error("no key code for \"" + name + "\"");
    return code;
}

void InputDriver::MoveTo(int x, int y) const {
    Fake(XCB_MOTION_NOTIFY, 0, x, y);
    Pause();
}

void InputDriver::Click(int x, int y) const {
    MoveTo(x, y);
    Fake(XCB_BUTTON_PRESS, 1);
    Fake(XCB_BUTTON_RELEASE, 1);
    Pause();
}

void InputDriver::TripleClick(int x, int y) const {
    MoveTo(x, y);
    for (int click = 0; click < 3; ++click) {
        Fake(XCB_BUTTON_PRESS, 1);
        Fake(XCB_BUTTON_RELEASE, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(60)); // well within a double click
    }
    Pause();
}

void InputDriver::Drag(int x, int y, int dx, int dy) const {
    MoveTo(x, y);
    Fake(XCB_BUTTON_PRESS, 1);
    Pause();
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step) {
        MoveTo(x + dx * step / kSteps, y + dy * step / kSteps);
    }
    Fake(XCB_BUTTON_RELEASE, 1);
    Pause();
}

void InputDriver::TypeInto(xcb_window_t window, const std::string& keys) const {
    xcb_set_input_focus(m_client.connection(), XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    m_client.Sync();
    Pause();
    std::vector<xcb_keycode_t> held;
    std::istringstream names(keys);
    for (std::string name; std::getline(names, name, '+');)
        held.push_back(KeyCode(name));
    for (const xcb_keycode_t code : held)
        Fake(XCB_KEY_PRESS, code);
    for (auto code = held.rbegin(); code != held.rend(); ++code)
        Fake(XCB_KEY_RELEASE, *code);
    Pause();
}

} // namespace testkit
