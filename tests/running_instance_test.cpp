#include "tests/support/browser_texts.h"
#include "tests/support/foreign_window.h"
#include "tests/support/session.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <set>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

struct InstanceCase final {
    const char* name;
    int width;
    int height;
    CaptionProperty property;
    bool titledWindow; // another window carries the application title
};

// A start that finds a top-level window captioned as the main form, whoever made it, asks a
// window to take the keyboard focus (one titled as the application when there is one, else the
// main form itself) and ends at once with status 0, showing nothing: no second main window, and
// no screen-size message even on a screen that is too small, because the running instance is
// looked for first. Without a window manager the focus request is answered by the X server.
TEST(RunningInstance, AnyWindowCaptionedAsTheMainFormTakesTheFocusAndEndsTheStartSilently) {
    const InstanceCase cases[] = {
        {"1024x768, caption in WM_NAME", 1024, 768, CaptionProperty::WmName, false},
        {"1024x768, caption in _NET_WM_NAME", 1024, 768, CaptionProperty::NetWmName, false},
        {"799x600 (too small), caption in WM_NAME", 799, 600, CaptionProperty::WmName, false},
        {"1024x768, a window titled as the application too", 1024, 768, CaptionProperty::WmName,
         true},
    };
    for (const InstanceCase& test : cases) {
        SCOPED_TRACE(test.name);
        Session session(test.width, test.height);
        const XClient& client = session.client();
        const WindowFinder& windows = session.windows();
        const xcb_window_t theirs = CreateCaptionedWindow(client, kMainFormCaption, test.property);
        const xcb_window_t titled =
            test.titledWindow ? CreateCaptionedWindow(client, kApplicationTitle, test.property)
                              : xcb_window_t{XCB_WINDOW_NONE};
        const xcb_window_t focused = test.titledWindow ? titled : theirs;
        ASSERT_NE(client.InputFocus(), focused);
        session.Start();

        // Watched the whole time, so that a window shown and taken down again before the exit
        // is caught too.
        std::set<xcb_window_t> mainForms;
        std::set<xcb_window_t> messageBoxes;
        const auto status = WaitFor(
            [&] {
                for (const xcb_window_t window : windows.Captioned(kMainFormCaption)) {
                    mainForms.insert(window);
                }
                for (const xcb_window_t window : windows.ViewableCaptioned(kApplicationTitle)) {
                    if (window != titled) {
                        messageBoxes.insert(window);
                    }
                }
                return session.program().WaitForExit(0ms);
            },
            10s, 10ms);

        ASSERT_TRUE(status) << "still running 10 s after the start; " << session.State();
        EXPECT_EQ(*status, ExitStatus::Exited(0)) << session.program().Output();
        EXPECT_EQ(mainForms, std::set<xcb_window_t>{theirs})
            << "a window captioned \"" << kMainFormCaption << "\" besides the test's own";
        EXPECT_TRUE(messageBoxes.empty())
            << "a window titled \"" << kApplicationTitle << "\" was shown";
        EXPECT_TRUE(windows.IsViewable(theirs)) << "the other program's window must stay";
        EXPECT_EQ(client.InputFocus(), focused) << "the focus was not handed over";
    }
}

} // namespace
