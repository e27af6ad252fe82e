#include "browser_process.h"
#include "disc_copy.h"
#include "input_driver.h"
#include "settled_window.h"
#include "wait.h"
#include "window_finder.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

namespace whole_program {
namespace {

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

    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    const DiscCopy disc = CopyOfSampleDisc();
    BrowserProcess browser(disc, server.display());

    const auto window = WaitForSettledMainWindow(client, 20s);
    ASSERT_TRUE(window) << "no painted main window within 20 s; output:\n" << browser.Output();

    // The window starts at (112, 84) and moves by at most (80, 60) in all: every press stays on it.
    for (const DragCase& test : cases) {
        SCOPED_TRACE(test.where);
        const std::optional<Rect> before = windows.Geometry(*window);
        ASSERT_TRUE(before);
        input.Drag(before->x + test.x, before->y + test.y, kDx, kDy);
        input.MoveTo(0, 0); // off the window, so no press is pending over it
        const Rect expected =
            test.movesWindow ? Rect{before->x + kDx, before->y + kDy, before->width, before->height}
                             : *before;
        // The window follows the pointer as the program handles the events; give it a moment.
        WaitFor([&] { return windows.Geometry(*window) == expected; }, 2s);
        EXPECT_EQ(windows.Geometry(*window), expected);
    }
    // A move that came late would have shifted a later case's starting point; the sum shows it.
    EXPECT_EQ(windows.Geometry(*window), (Rect{112 + 2 * kDx, 84 + 2 * kDy, 800, 600}));
    EXPECT_TRUE(browser.IsRunning()) << browser.Output();
}

} // namespace
} // namespace whole_program
