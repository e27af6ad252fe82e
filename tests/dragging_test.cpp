#include "tests/support/session.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

struct DragCase final {
    const char* where;
    int x; // where the left button goes down, relative to the window
    int y;
    bool movesWindow;
};

// The window has no caption bar: it is moved by pressing on its own surface (the background
// picture and the issue label on it) and moving the mouse. Its controls take the press for
// themselves and leave the window where it is.
TEST(Dragging, TheSurfaceMovesTheWindowAndTheControlsDoNot) {
    const DragCase cases[] = {
        {"background picture", 790, 140, true}, {"issue label", 675, 170, true},
        {"contents tree", 700, 400, false},     {"Back button", 640, 565, false},
        {"page view", 200, 200, false},
    };
    constexpr int kDx = 40;
    constexpr int kDy = 30;

    Session session;
    session.Start();
    ASSERT_TRUE(session.WaitForMainWindow(20s));
    const xcb_window_t window = session.window();

    // The window starts at (112, 84) and moves by at most (80, 60) in all: every press stays on it.
    for (const DragCase& test : cases) {
        SCOPED_TRACE(test.where);
        const std::optional<Rect> before = session.windows().Geometry(window);
        ASSERT_TRUE(before);
        session.input().Drag(before->x + test.x, before->y + test.y, kDx, kDy);
        session.input().MoveTo(0, 0); // off the window, so no press is pending over it
        const Rect expected =
            test.movesWindow ? Rect{before->x + kDx, before->y + kDy, before->width, before->height}
                             : *before;
        // The window follows the pointer as the program handles the events; give it a moment.
        WaitFor([&] { return session.windows().Geometry(window) == expected; }, 2s);
        EXPECT_EQ(session.windows().Geometry(window), expected);
    }
    // A move that came late would have shifted a later case's starting point; the sum shows it.
    EXPECT_EQ(session.windows().Geometry(window), (Rect{112 + 2 * kDx, 84 + 2 * kDy, 800, 600}));
    EXPECT_TRUE(session.program().IsRunning()) << session.program().Output();
}

} // namespace
