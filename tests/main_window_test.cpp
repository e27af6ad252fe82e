#include "browser_process.h"
#include "browser_texts.h"
#include "disc_copy.h"
#include "input_driver.h"
#include "screen_grab.h"
#include "settled_window.h"
#include "wait.h"
#include "window_finder.h"
#include "window_messages.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace whole_program {
namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status. Flag 2 says the
// decorations field is set, and decorations 0 asks for no frame and no caption bar.
constexpr uint32_t kMwmHintsDecorations = 2;
// WM_NORMAL_HINTS: flags first, the minimum size at items 5 and 6, the maximum at 7 and 8.
constexpr uint32_t kPMinSize = 16;
constexpr uint32_t kPMaxSize = 32;

// A normal start on a 1024x768 screen: one borderless, fixed 800x600 window centred on the
// screen, its whole surface the skin.
TEST(MainWindow, OpensCentredBorderlessFixedAndSkinned) {
    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const DiscCopy disc = CopyOfSampleDisc();
    BrowserProcess browser(disc, server.display());

    const auto window = WaitForSettledMainWindow(client, 20s);
    ASSERT_TRUE(window) << "no main window showing the issue bar's #506A44 at (" << kIssueBarX
                        << "," << kIssueBarY << ") within 20 s; output:\n"
                        << browser.Output();
    EXPECT_EQ(windows.ViewableCaptioned(kMainFormCaption).size(), 1u);
    const std::optional<Rect> at = windows.Geometry(*window);
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (Rect{112, 84, 800, 600}));

    const std::vector<uint32_t> motif = client.Values32(*window, "_MOTIF_WM_HINTS");
    ASSERT_GE(motif.size(), 3u) << "no _MOTIF_WM_HINTS: a window manager would frame it";
    EXPECT_TRUE(motif[0] & kMwmHintsDecorations);
    EXPECT_EQ(motif[2], 0u) << "decorations asked for";

    const std::vector<uint32_t> sizeHints = client.Values32(*window, "WM_NORMAL_HINTS");
    ASSERT_GE(sizeHints.size(), 9u);
    EXPECT_EQ(sizeHints[0] & (kPMinSize | kPMaxSize), kPMinSize | kPMaxSize);
    EXPECT_EQ((std::vector<uint32_t>{sizeHints[5], sizeHints[6], sizeHints[7], sizeHints[8]}),
              (std::vector<uint32_t>{800, 600, 800, 600}))
        << "minimum and maximum size";

    struct Sample final {
        const char* what;
        int x;
        int y;
        Rgb colour;
    };
    const Sample samples[] = {
        {"page area column, left of the page view", 2, 300, {0xFF, 0xFF, 0xFF}},
        {"pale tree area, right of the tree", 790, 300, {0xF5, 0xFB, 0xFB}},
        {"issue bar, right of the label's text", 760, 162, {0x50, 0x6A, 0x44}},
    };
    for (const Sample& sample : samples) {
        EXPECT_EQ(PixelAt(client, at->x + sample.x, at->y + sample.y), sample.colour)
            << sample.what << " at (" << sample.x << "," << sample.y << ")";
    }
}

struct CloseCase final {
    const char* how;
    std::function<void(const XClient&, const InputDriver&, xcb_window_t, const Rect&)> close;
};

// Closing the window, by its Quit button or by the window system's request, ends the program
// with status 0.
TEST(MainWindow, ClosingTheWindowEndsTheProgramWithStatusZero) {
    const CloseCase cases[] = {
        {"Quit button",
         [](const XClient&, const InputDriver& input, xcb_window_t, const Rect& at) {
             input.Click(at.x + (691 + 763) / 2, at.y + (565 + 584) / 2);
         }},
        {"WM_DELETE_WINDOW",
         [](const XClient& client, const InputDriver&, xcb_window_t window, const Rect&) {
             RequestClose(client, window);
         }},
    };
    for (const CloseCase& test : cases) {
        SCOPED_TRACE(test.how);
        const XvfbServer server(1024, 768);
        const XClient client(server.display());
        const WindowFinder windows(client);
        const InputDriver input(server.display());
        const DiscCopy disc = CopyOfSampleDisc();
        BrowserProcess browser(disc, server.display());

        const auto window = WaitForSettledMainWindow(client, 20s);
        ASSERT_TRUE(window) << "no painted main window within 20 s; output:\n" << browser.Output();
        const std::optional<Rect> at = windows.Geometry(*window);
        ASSERT_TRUE(at);
        ASSERT_TRUE(browser.IsRunning());

        test.close(client, input, *window, *at);
        const auto status = browser.WaitForExit(10s);
        ASSERT_TRUE(status) << "still running 10 s after the close";
        EXPECT_EQ(*status, ExitStatus::Exited(0)) << browser.Output();
    }
}

} // namespace
} // namespace whole_program
