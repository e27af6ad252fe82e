// Find in the page and search the disc, from the keyboard alone: Ctrl+F opens the find bar over
// the page, typing marks every place the word stands, Enter, Shift+Enter and F3 move the place
// shown, Esc closes the bar and takes the marks away; Ctrl+Shift+F opens the search window,
// typing finds the page that shows the word in full-width letters, Down and Enter choose it, the
// tree moves to its entry (its launch strip shows) and the page shows with the word marked.

#include "browser_process.h"
#include "disc_copy.h"
#include "error_reports.h"
#include "input_driver.h"
#include "screen_grab.h"
#include "usable_window.h"
#include "wait.h"
#include "window_finder.h"
#include "window_messages.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace whole_program {
namespace {
namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

constexpr int kLine = 80; // each paragraph of the pages takes a band this high
const std::string kParagraph = "<p style=\"font: 40px sans-serif; margin: 0; height: 80px\">";

// Two entries: First, whose page says "findme" three times, one to a band, and Second, whose page
// says ＬＡＮＤＭＡＲＫ in full-width letters on blue and whose entry has a launch button.
void WriteSearchDisc(const fs::path& root) {
    fs::remove(root / "_html/open.htm");
    Write(root / "menu/tree.txt", "Pages\r\n\tFirst\r\n\tSecond\r\n");
    Write(root / "menu/html.txt", "\r\nfirst.htm\r\nsecond.htm\r\n");
    Write(root / "menu/button.txt", "\r\n\r\nsecond.txt\r\n");
    Write(root / "menu/init.txt", "Search disc\r\n");
    Write(root / "_html/first.htm", "<html><body style=\"margin: 0; background: #ffffff\">" +
                                        kParagraph + "findme</p>" + kParagraph + "findme</p>" +
                                        kParagraph + "findme</p></body></html>");
    Write(root / "_html/second.htm",
          "<html><head><meta charset=\"utf-8\"></head>"
          "<body style=\"margin: 0; background: #204080; color: #ffffff\">" +
              kParagraph + "ＬＡＮＤＭＡＲＫ</p></body></html>");
    Write(root / "_html/second.txt", "Run\r\nrun.sh\r\n");
}

bool Orange(const Rgb& c) { // the engine's mark of the place shown
    return c.red > 235 && c.green > 120 && c.green < 180 && c.blue < 90;
}
bool Yellow(const Rgb& c) { // its mark of every other place
    return c.red > 235 && c.green > 235 && c.blue < 40;
}
bool SnippetMark(const Rgb& c) { // the search window's mark in a snippet
    return c.red > 245 && c.green > 195 && c.green < 225 && c.blue < 30;
}

// Whether some pixel of the area satisfies `is`.
bool AnyIn(const XClient& client, int x, int y, int width, int height,
           const std::function<bool(const Rgb&)>& is) {
    const std::optional<ScreenArea> area = AreaAt(client, x, y, width, height);
    if (!area)
        return false;
    for (const Rgb& pixel : area->pixels)
        if (is(pixel))
            return true;
    return false;
}

TEST(DiscSearch, FindBarAndSearchWindowFromTheKeyboard) {
    const XvfbServer server(1600, 900);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    const DiscCopy disc = CopyOfSampleDisc();
    WriteSearchDisc(disc.root());
    BrowserProcess browser(disc, server.display(),
                           {"XDG_CACHE_HOME=" + (disc.root() / "cache").string()});
    ErrorReports reports(client, windows, input);

    const auto window = WaitForUsableMainWindow(client, reports, 30s);
    ASSERT_TRUE(window) << "no usable main window within 30 s; output:\n" << browser.Output();
    const std::optional<Rect> at = windows.Geometry(*window);
    ASSERT_TRUE(at);
    const int pageX = at->x + 5;
    const int pageY = at->y + 3;
    const auto band = [&](int n, const std::function<bool(const Rgb&)>& is) {
        return AnyIn(client, pageX, pageY + n * kLine, 400, kLine, is);
    };
    ASSERT_TRUE(WaitFor([&] { return band(0, [](const Rgb& c) { return c.red < 60; }); }, 15s))
        << "the first page did not show";
    const auto type = [&](xcb_window_t into, const std::string& word) {
        for (char c : word)
            input.TypeInto(into, std::string(1, c));
    };

    // The find bar: over the bottom of the page view, black as the launch strip.
    input.TypeInto(*window, "ctrl+f");
    ASSERT_TRUE(WaitFor(
        [&] {
            return PixelAt(client, pageX + 450, pageY + 594 - 10) == Rgb{0, 0, 0};
        },
        10s))
        << "Ctrl+F showed no find bar";
    type(*window, "findme");
    const auto shownIn = [&](int n) {
        return WaitFor(
            [&] {
                for (int other = 0; other < 3; ++other)
                    if (band(other, Orange) != (other == n))
                        return false;
                return true;
            },
            10s);
    };
    EXPECT_TRUE(shownIn(0)) << "typing marked no first place";
    EXPECT_TRUE(band(1, Yellow) && band(2, Yellow)) << "the other places are not marked";
    input.TypeInto(*window, "Return");
    EXPECT_TRUE(shownIn(1)) << "Enter did not go to the next place";
    input.TypeInto(*window, "shift+Return");
    EXPECT_TRUE(shownIn(0)) << "Shift+Enter did not go back";
    input.TypeInto(*window, "F3");
    EXPECT_TRUE(shownIn(1)) << "F3 did not go to the next place";
    input.TypeInto(*window, "shift+F3");
    EXPECT_TRUE(shownIn(0)) << "Shift+F3 did not go back";
    input.TypeInto(*window, "Escape");
    EXPECT_TRUE(WaitFor(
        [&] {
            return PixelAt(client, pageX + 450, pageY + 594 - 10) == Rgb{255, 255, 255} &&
                   !band(0, Orange) && !band(1, Yellow);
        },
        10s))
        << "Esc left the bar or the marks";

    // The search window, beside the main window.
    input.TypeInto(*window, "ctrl+shift+f");
    const auto search = windows.WaitForViewable("このディスクを検索", 10s);
    ASSERT_TRUE(search) << "Ctrl+Shift+F opened no search window";
    const std::optional<Rect> searchAt = windows.Geometry(*search);
    ASSERT_TRUE(searchAt);
    EXPECT_GE(searchAt->x, at->x + at->width) << "not beside the main window";
    type(*search, "landmark");
    ASSERT_TRUE(WaitFor(
        [&] {
            return AnyIn(client, searchAt->x, searchAt->y, searchAt->width, searchAt->height,
                         SnippetMark);
        },
        15s))
        << "no result with its word marked";
    input.TypeInto(*search, "Down");
    input.TypeInto(*search, "Return");
    // The tree chose Second: its launch strip shows (one row: 34 high) and so does its page.
    constexpr int kStripTop = 594 - 34;
    EXPECT_TRUE(WaitFor(
        [&] {
            return PixelAt(client, pageX + 100, pageY + 200) == Rgb{0x20, 0x40, 0x80} &&
                   PixelAt(client, pageX + 100, pageY + kStripTop + 3) == Rgb{0, 0, 0};
        },
        15s))
        << "the chosen result's page and its entry's launch strip did not show";
    EXPECT_TRUE(WaitFor([&] { return band(0, Orange); }, 10s))
        << "the word is not marked on the page";

    input.TypeInto(*search, "Escape");
    EXPECT_TRUE(WaitFor([&] { return !windows.IsViewable(*search); }, 10s))
        << "Esc did not close the search window";
    EXPECT_EQ(reports.closed(), 0) << "error reports";
    RequestClose(client, *window);
    const auto status = browser.WaitForExit(15s);
    ASSERT_TRUE(status) << "still running 15 s after the close";
    EXPECT_EQ(*status, ExitStatus::Exited(0)) << browser.Output();
}

} // namespace
} // namespace whole_program
