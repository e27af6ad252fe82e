// Find in the page and search the disc, from the keyboard alone: Ctrl+F opens the find bar over
// the page, typing marks every place the word stands, Enter, Shift+Enter, F3 and Shift+F3 move the
// place shown, Esc closes the bar and takes the marks away; Ctrl+Shift+F opens the search window
// beside the main window, typing finds the page that shows the word in full-width letters, Down
// and Enter choose it, the tree moves to its entry (its launch strip shows) and the page shows
// with the word marked.

#include "tests/support/disc_lists.h"
#include "tests/support/session.h"
#include "tests/support/wait.h"
#include "tests/support/window_places.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

constexpr int kBand = 80; // each paragraph of the pages takes a band this high
const std::string kParagraph = "<p style=\"font: 40px sans-serif; margin: 0; height: 80px\">";

// Two entries: First, whose page says "findme" three times, one to a band, and Second, whose page
// says ＬＡＮＤＭＡＲＫ in full-width letters on blue and whose entry has a launch button.
void WriteSearchDisc(const DiscCopy& disc) {
    WriteLists(disc.root(),
               {{"Pages"}, {"\tFirst", "first.htm"}, {"\tSecond", "second.htm", "second.txt"}});
    disc.write("_html/first.htm", "<html><body style=\"margin: 0; background: #ffffff\">" +
                                      kParagraph + "findme</p>" + kParagraph + "findme</p>" +
                                      kParagraph + "findme</p></body></html>");
    disc.write("_html/second.htm",
               "<html><head><meta charset=\"utf-8\"></head>"
               "<body style=\"margin: 0; background: #204080; color: #ffffff\">" +
                   kParagraph + "ＬＡＮＤＭＡＲＫ</p></body></html>");
    disc.write("_html/second.txt", "Run\r\nrun.sh\r\n");
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

// Whether some pixel of the screen's rectangle satisfies `is`.
bool AnyIn(const XClient& client, const Rect& r, const std::function<bool(const Rgb&)>& is) {
    const std::optional<ScreenArea> area = AreaAt(client, r.x, r.y, r.width, r.height);
    if (!area)
        return false;
    for (const Rgb& pixel : area->pixels)
        if (is(pixel))
            return true;
    return false;
}

TEST(DiscSearch, FindBarAndSearchWindowFromTheKeyboard) {
    Session session(1600, 900, DiscCopy::Content::Nothing);
    WriteSearchDisc(session.disc());
    session.Start({"XDG_CACHE_HOME=" + (session.disc().root() / "cache").string()});
    ASSERT_TRUE(session.WaitForMainWindow(30s, Session::Ready::Usable));
    const QPoint page = skin::kPageArea.topLeft();
    const auto band = [&](int n, const std::function<bool(const Rgb&)>& is) {
        return AnyIn(session.client(),
                     {session.at().x + page.x(), session.at().y + page.y() + n * kBand, 400, kBand},
                     is);
    };
    ASSERT_TRUE(WaitFor([&] { return band(0, [](const Rgb& c) { return c.red < 60; }); }, 15s))
        << "the first page did not show";
    const auto typeInto = [&](xcb_window_t window, const std::string& word) {
        for (char c : word)
            session.input().TypeInto(window, std::string(1, c));
    };

    // The find bar: over the bottom of the page view, black as the launch strip.
    const QPoint bar = page + QPoint(450, skin::kPageArea.height() - 10);
    session.Type("ctrl+f");
    ASSERT_TRUE(WaitFor(
        [&] {
            return session.Pixel(bar) == Rgb{0, 0, 0};
        },
        10s))
        << "Ctrl+F showed no find bar";
    typeInto(session.window(), "findme");
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
    session.Type("Return");
    EXPECT_TRUE(shownIn(1)) << "Enter did not go to the next place";
    session.Type("shift+Return");
    EXPECT_TRUE(shownIn(0)) << "Shift+Enter did not go back";
    session.Type("F3");
    EXPECT_TRUE(shownIn(1)) << "F3 did not go to the next place";
    session.Type("shift+F3");
    EXPECT_TRUE(shownIn(0)) << "Shift+F3 did not go back";
    session.Type("Escape");
    EXPECT_TRUE(WaitFor(
        [&] {
            return session.Pixel(bar) == Rgb{255, 255, 255} && !band(0, Orange) && !band(1, Yellow);
        },
        10s))
        << "Esc left the bar or the marks";

    // The search window, beside the main window.
    session.Type("ctrl+shift+f");
    const auto search = session.windows().WaitForViewable("このディスクを検索", 10s);
    ASSERT_TRUE(search) << "Ctrl+Shift+F opened no search window";
    const std::optional<Rect> searchAt = session.windows().Geometry(*search);
    ASSERT_TRUE(searchAt);
    EXPECT_GE(searchAt->x, session.at().x + session.at().width) << "not beside the main window";
    typeInto(*search, "landmark");
    ASSERT_TRUE(WaitFor([&] { return AnyIn(session.client(), *searchAt, SnippetMark); }, 15s))
        << "no result with its word marked";
    session.input().TypeInto(*search, "Down");
    session.input().TypeInto(*search, "Return");
    // The tree chose Second: its launch strip shows (one row) and so does its page.
    EXPECT_TRUE(WaitFor(
        [&] {
            return session.Pixel(page + QPoint(100, 200)) == Rgb{0x20, 0x40, 0x80} &&
                   session.Pixel(places::StripBand(1)) == Rgb{0, 0, 0};
        },
        15s))
        << "the chosen result's page and its entry's launch strip did not show";
    EXPECT_TRUE(WaitFor([&] { return band(0, Orange); }, 10s))
        << "the word is not marked on the page";

    session.input().TypeInto(*search, "Escape");
    EXPECT_TRUE(WaitFor([&] { return !session.windows().IsViewable(*search); }, 10s))
        << "Esc did not close the search window";
    EXPECT_EQ(session.reports().closed(), 0) << "error reports";
    EXPECT_TRUE(session.CloseEndsWithStatusZero(15s));
}

} // namespace
