#include "platform/window_lookup.h"

#include "tests/support/wait.h"
#include "tests/support/x_client.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {
using namespace std::chrono_literals;
using platform::RequestFocus;
using platform::WindowHandle;

class WindowFocus : public ::testing::Test {
protected:
    // Poses as a running EWMH window manager that handles _NET_ACTIVE_WINDOW, and takes the
    // redirect of the root's children as a manager does (so it receives the requests).
    void actAsWindowManager() {
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
        xcb_generic_error_t* error = xcb_request_check(
            m_display.connection(),
            xcb_change_window_attributes_checked(m_display.connection(), m_display.root(),
                                                 XCB_CW_EVENT_MASK, &mask));
        ASSERT_EQ(error, nullptr) << "another window manager runs on this display";
        const xcb_window_t check = m_display.CreateWindow(m_display.root());
        m_display.SetValues32(check, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW, {check});
        m_display.SetValues32(m_display.root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW,
                              {check});
        m_display.SetValues32(
            m_display.root(), "_NET_SUPPORTED", XCB_ATOM_ATOM,
            {m_display.Atom("_NET_WM_NAME"), m_display.Atom("_NET_ACTIVE_WINDOW")});
        m_managerCheck = check;
        m_display.Sync();
    }

    const testkit::XClient m_display; // $DISPLAY: the test command's xvfb-run
    xcb_window_t m_managerCheck = XCB_WINDOW_NONE;
};

TEST_F(WindowFocus, WithoutAWindowManagerTheServerMovesTheFocus) {
    const xcb_window_t first = m_display.CreateWindow(m_display.root());
    const xcb_window_t second = m_display.CreateWindow(m_display.root());
    const xcb_window_t gone = m_display.CreateWindow(m_display.root());
    m_display.DestroyWindow(gone);
    m_display.Sync();

    RequestFocus(WindowHandle{first});
    EXPECT_EQ(m_display.InputFocus(), first);
    RequestFocus(WindowHandle{second});
    EXPECT_EQ(m_display.InputFocus(), second);
    RequestFocus(std::nullopt);
    EXPECT_EQ(m_display.InputFocus(), second);
    RequestFocus(WindowHandle{gone});
    EXPECT_EQ(m_display.InputFocus(), second);
}

TEST_F(WindowFocus, ARunningWindowManagerIsAskedThroughNetActiveWindow) {
    const xcb_window_t target = m_display.CreateWindow(m_display.root());
    actAsWindowManager();
    const xcb_window_t before = m_display.InputFocus();

    RequestFocus(WindowHandle{target});

    const xcb_atom_t activeWindow = m_display.Atom("_NET_ACTIVE_WINDOW");
    const auto asked = testkit::WaitFor(
        [&]() -> std::optional<xcb_client_message_event_t> {
            while (const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
                xcb_poll_for_event(m_display.connection()), &std::free}) {
                const auto* message =
                    reinterpret_cast<const xcb_client_message_event_t*>(event.get());
                if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE &&
                    message->type == activeWindow)
                    return *message;
            }
            return std::nullopt;
        },
        5s, 10ms);
    ASSERT_TRUE(asked) << "no _NET_ACTIVE_WINDOW request";
    EXPECT_EQ(asked->window, target);
    EXPECT_EQ(asked->format, 32);
    EXPECT_EQ(asked->data.data32[0], 1u) << "source indication: an application";
    // The manager decides; the request itself does not take the focus.
    EXPECT_EQ(m_display.InputFocus(), before);
}

TEST_F(WindowFocus, AManagerThatHasExitedIsNotAsked) {
    const xcb_window_t target = m_display.CreateWindow(m_display.root());
    actAsWindowManager();
    m_display.DestroyWindow(m_managerCheck); // its properties on the root stay behind
    m_display.Sync();

    RequestFocus(WindowHandle{target});

    EXPECT_EQ(m_display.InputFocus(), target);
}

} // namespace
