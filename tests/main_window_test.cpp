#include "tests/support/browser_texts.h"
#include "tests/support/session.h"
#include "tests/support/settled_window.h"
#include "tests/support/window_messages.h"
#include "tests/support/window_places.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status. Flag 2 says the
// decorations field is set, and decorations 0 asks for no frame and no caption bar.
constexpr uint32_t kMwmHintsDecorations = 2;
// WM_NORMAL_HINTS: flags first, the minimum size at items 5 and 6, the maximum at 7 and 8.
constexpr uint32_t kPMinSize = 16;
constexpr uint32_t kPMaxSize = 32;

// A normal start on a 1024x768 screen: one borderless, fixed 800x600 window centred on the
// screen, its whole surface the skin.
TEST(MainWindow, OpensCentredBorderlessFixedAndSkinned) {
    Session session;
    session.Start();
    ASSERT_TRUE(session.WaitForMainWindow(20s))
        << "a settled window shows the issue bar's #506A44 at (" << kIssueBarX << "," << kIssueBarY
        << ")";
    const XClient& client = session.client();
    const xcb_window_t window = session.window();
    EXPECT_EQ(session.windows().ViewableCaptioned(kMainFormCaption).size(), 1u);
    EXPECT_EQ(session.at(), (Rect{112, 84, 800, 600}));

    const std::vector<uint32_t> motif = client.Values32(window, "_MOTIF_WM_HINTS");
    ASSERT_GE(motif.size(), 3u) << "no _MOTIF_WM_HINTS: a window manager would frame it";
    EXPECT_TRUE(motif[0] & kMwmHintsDecorations);
    EXPECT_EQ(motif[2], 0u) << "decorations asked for";

    const std::vector<uint32_t> sizeHints = client.Values32(window, "WM_NORMAL_HINTS");
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
        EXPECT_EQ(session.Pixel({sample.x, sample.y}), sample.colour)
            << sample.what << " at (" << sample.x << "," << sample.y << ")";
    }
}

// Closing the window, by its Quit button or by the window system's request, ends the program
// with status 0.
TEST(MainWindow, ClosingTheWindowEndsTheProgramWithStatusZero) {
    const struct {
        const char* how;
        std::function<void(Session&)> close;
    } cases[] = {
        {"Quit button",
         [](Session& s) {
             s.Click(places::Button(skin::Glyph::Quit));
         }},
        {"WM_DELETE_WINDOW",
         [](Session& s) {
             RequestClose(s.client(), s.window());
         }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.how);
        Session session;
        session.Start();
        ASSERT_TRUE(session.WaitForMainWindow(20s));
        ASSERT_TRUE(session.program().IsRunning());

        test.close(session);
        EXPECT_TRUE(session.EndsWithStatusZero(10s)) << "after the close";
    }
}

} // namespace
