#include "platform/window_lookup.h"

#include "x11_test_display.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using platform::RequestFocus;
using platform::WindowHandle;

class WindowFocus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_display.isOpen()) << "needs an X server (xvfb-run)"; }

    xcb_window_t focus() const {
        xcb_connection_t* connection = m_display.connection();
        std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> reply(
            xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr),
            &std::free);
        return reply ? reply->focus : xcb_window_t{XCB_WINDOW_NONE};
    }

    // Poses as a running EWMH window manager that handles _NET_ACTIVE_WINDOW, and takes the
    // redirect of the root's children as a manager does (so it receives the requests).
    void actAsWindowManager() {
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
        xcb_generic_error_t* error = xcb_request_check(
            m_display.connection(),
            xcb_change_window_attributes_checked(m_display.connection(), m_display.root(),
                                                 XCB_CW_EVENT_MASK, &mask));
        ASSERT_EQ(error, nullptr) << "another window manager runs on this display";
        const xcb_window_t check = m_display.createWindow(m_display.root());
        m_display.setValues32(check, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW, {check});
        m_display.setValues32(m_display.root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW,
                              {check});
        m_display.setValues32(
            m_display.root(), "_NET_SUPPORTED", XCB_ATOM_ATOM,
            {m_display.atom("_NET_WM_NAME"), m_display.atom("_NET_ACTIVE_WINDOW")});
        m_managerCheck = check;
        m_display.sync();
    }

    platform_test::TestDisplay m_display;
    xcb_window_t m_managerCheck = XCB_WINDOW_NONE;
};

TEST_F(WindowFocus, WithoutAWindowManagerTheServerMovesTheFocus) {
    const xcb_window_t first = m_display.createWindow(m_display.root());
    const xcb_window_t second = m_display.createWindow(m_display.root());
    const xcb_window_t gone = m_display.createWindow(m_display.root());
    m_display.destroyWindow(gone);
    m_display.sync();

    RequestFocus(WindowHandle{first});
    EXPECT_EQ(focus(), first);
    RequestFocus(WindowHandle{second});
    EXPECT_EQ(focus(), second);
    RequestFocus(std::nullopt);
    EXPECT_EQ(focus(), second);
    RequestFocus(WindowHandle{gone});
    EXPECT_EQ(focus(), second);
}

TEST_F(WindowFocus, ARunningWindowManagerIsAskedThroughNetActiveWindow) {
    const xcb_window_t target = m_display.createWindow(m_display.root());
    actAsWindowManager();
    const xcb_window_t before = focus();

    RequestFocus(WindowHandle{target});

    const xcb_atom_t activeWindow = m_display.atom("_NET_ACTIVE_WINDOW");
    bool asked = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!asked && std::chrono::steady_clock::now() < deadline) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_poll_for_event(m_display.connection()), &std::free);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) {
            continue;
        }
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
        if (message->type == activeWindow) {
            asked = true;
            EXPECT_EQ(message->window, target);
            EXPECT_EQ(message->format, 32);
            EXPECT_EQ(message->data.data32[0], 1u) << "source indication: an application";
        }
    }
    EXPECT_TRUE(asked);
    // The manager decides; the request itself does not take the focus.
    EXPECT_EQ(focus(), before);
}

TEST_F(WindowFocus, AManagerThatHasExitedIsNotAsked) {
    const xcb_window_t target = m_display.createWindow(m_display.root());
    actAsWindowManager();
    m_display.destroyWindow(m_managerCheck); // its properties on the root stay behind
    m_display.sync();

    RequestFocus(WindowHandle{target});

    EXPECT_EQ(focus(), target);
}

} // namespace
