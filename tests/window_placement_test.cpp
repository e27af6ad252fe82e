#include "tests/support/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

struct PlacementCase final {
    int width;
    int height;
    Rect expected;
    bool maximised;
};

// Which of the two maximised marks the window carries in _NET_WM_STATE, the property by which an
// X11 program tells the window manager its state.
std::vector<std::string> MaximisedMarks(const XClient& client, xcb_window_t window) {
    std::vector<std::string> marks;
    for (const uint32_t atom : client.Values32(window, "_NET_WM_STATE")) {
        const std::string name = client.AtomName(atom);
        if (name == "_NET_WM_STATE_MAXIMIZED_HORZ" || name == "_NET_WM_STATE_MAXIMIZED_VERT") {
            marks.push_back(name);
        }
    }
    std::sort(marks.begin(), marks.end());
    return marks;
}

// The window is maximised on a screen of exactly 800x600 and nowhere else; elsewhere it is
// centred. A screen that matches 800x600 in one direction only is not 800x600.
TEST(WindowPlacement, MaximisedOnExactly800x600AndCentredOnOtherScreens) {
    const PlacementCase cases[] = {
        {800, 600, {0, 0, 800, 600}, true},
        {800, 768, {0, 84, 800, 600}, false},
        {1024, 600, {112, 0, 800, 600}, false},
    };
    for (const PlacementCase& test : cases) {
        SCOPED_TRACE(std::to_string(test.width) + "x" + std::to_string(test.height));
        Session session(test.width, test.height);
        session.Start();

        ASSERT_TRUE(session.WaitForMainWindow(20s));
        EXPECT_EQ(session.at(), test.expected);
        const std::vector<std::string> maximised{"_NET_WM_STATE_MAXIMIZED_HORZ",
                                                 "_NET_WM_STATE_MAXIMIZED_VERT"};
        EXPECT_EQ(MaximisedMarks(session.client(), session.window()),
                  test.maximised ? maximised : std::vector<std::string>{});
    }
}

} // namespace
