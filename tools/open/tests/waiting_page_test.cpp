// A page that waits for a file still in the disc image holds nothing. A page loads large files
// as a picture, a frame, by XHR and by fetch, and gets each as from a folder. Then, while a page
// waits for a 600 MB file, the tree, Back and Quit answer while it waits, and Cancel in the
// progress window ends the wait with the view's error page, after which the program goes on.
// Each answer's time is printed as a figure (well under a second on an idle machine); what the
// test holds is that the answer comes while the write is still held, which a window waiting
// inside the engine never gives.
//
// The test holds the lock of the image's cache folder, as a second open of the same image does
// while it looks the folder over: the write waits for it, so the page waits as long as the test
// needs however fast the machine copies. Cancelling while the data is copied is the writer's own
// test (image_forms_test.cpp).

#include "open_process.h"
#include "test_images.h"

#include "tests/support/browser_texts.h"
#include "tests/support/files.h"
#include "tests/support/input_driver.h"
#include "tests/support/screen_grab.h"
#include "tests/support/settled_window.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"
#include "tests/support/window_finder.h"
#include "tests/support/x_client.h"
#include "tests/support/xvfb_server.h"

#include "assets/skin_layout.h"
#include "tools/open/cache_naming.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace whole_program {
namespace {

using namespace test_images;
using namespace testkit;

// Places in the window, from the layout's own rectangles: a row of the tree (14 pixels a row
// with the design font, the group heading in row 0), Back, Quit, and a point of the page area
// that no window of the program covers.
constexpr int kTreeX = skin::kTreeView.center().x();
constexpr int RowY(int row) {
    return skin::kTreeView.top() + 14 * row + 7;
}
constexpr QPoint kBack = skin::RuleFor(skin::Glyph::Back).button.center();
constexpr QPoint kQuit = skin::RuleFor(skin::Glyph::Quit).button.center();
constexpr QRect kPageArea = skin::kPageArea;
constexpr QPoint kPagePoint{280, 500};

enum Row { kStartRow = 1, kGreenRow, kFourWaysRow, kLargeRow };

constexpr Rgb kBlue{0x20, 0x40, 0xC0};
constexpr Rgb kGreen{0x00, 0xFF, 0x00};
constexpr Rgb kAllArrived{0x00, 0xC0, 0xC0}; // the four-ways page once every way got its file
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

std::string Page(const char* colour, const std::string& body = {}) {
    return std::string("<html><body style=\"margin:0;height:100%;background:") + colour + "\">" +
           body + "</body></html>";
}

// The four-ways page asks for a large picture and a large page, each over 1 MiB and so left in
// the image, all at once; its colour tells whether every way got the file itself. A frame's
// document is readable only when it came from a file: address, as the page did.
constexpr const char* kFourWays = R"(<script>
var got = {};
function done(way, ok) {
  got[way] = ok;
  if (Object.keys(got).length == 4)
    document.body.style.background = Object.values(got).every(Boolean) ? '#00C0C0' : '#FF0000';
}
var i = new Image();
i.onload = function () { done('picture', i.naturalWidth > 0); };
i.onerror = function () { done('picture', false); };
i.src = 'picture.png';
var f = document.createElement('iframe');
f.onload = function () {
  try { done('frame', f.contentDocument.body.innerText.indexOf('PART') >= 0); }
  catch (e) { done('frame', false); }
};
f.src = 'part.htm';
document.body.appendChild(f);
var x = new XMLHttpRequest();
x.onload = function () { done('xhr', x.responseText.indexOf('PART') >= 0); };
x.onerror = function () { done('xhr', false); };
x.open('GET', 'part.htm');
x.send();
fetch('part.htm').then(function (r) { return r.text(); })
  .then(function (t) { done('fetch', t.indexOf('PART') >= 0); }, function () { done('fetch', false); });
</script>)";

void WriteWaitingDisc(const fs::path& root) {
    WriteFile(root / "menu/tree.txt", "Pages\r\n\tStart\r\n\tGreen\r\n\tFour ways\r\n\tLarge\r\n");
    WriteFile(root / "menu/html.txt",
              "\r\nstart.htm\r\ngreen.htm\r\nfourways.htm\r\nlarge.htm\r\n");
    WriteFile(root / "menu/button.txt", "\r\n\r\n\r\n\r\n\r\n");
    WriteFile(root / "menu/init.txt", "1999 Vol.5 No.12\r\n");
    WriteFile(root / "_html/start.htm", Page("#2040C0"));
    WriteFile(root / "_html/green.htm", Page("#00FF00"));
    WriteFile(root / "_html/fourways.htm", Page("#808080", kFourWays));
    // A picture's reader stops at its end: what follows only makes the file large.
    const std::string picture = ReadFile(fs::path(QUILCD_DISC_DIR) / "_html/img/banner.png");
    WriteFile(root / "_html/picture.png", picture + std::string(1536 * 1024, '\x5A'));
    WriteFile(root / "_html/part.htm",
              "<html><body>PART<!--" + std::string(1536 * 1024, 'x') + "--></body></html>");
    // 600 MB, almost all of it a hole: quick to make, and the image holds it as zeros.
    const fs::path large = root / "_html/large.htm";
    WriteFile(large, Page("#FF00FF"));
    fs::resize_file(large, 600ull * 1024 * 1024);
}

// The lock file of the image's one folder in the cache.
std::optional<std::string> CacheEntryOf(const fs::path& cacheRoot) {
    for (const fs::directory_entry& entry : fs::directory_iterator(cacheRoot))
        if (entry.is_directory() && !entry.path().filename().string().starts_with('.'))
            return entry.path().string() + '/';
    return std::nullopt;
}

TEST(WaitingPage, TheWindowAnswersWhileAPageWaitsForALargeFileAndCancelEndsTheWait) {
    const TempDir work;
    WriteWaitingDisc(work.path() / "disc");
    MakeIso(work.path() / "disc", work.path() / "disc.iso", Names::Joliet);
    fs::remove_all(work.path() / "disc");

    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    BrowserProcess open(
        OpenStart({(work.path() / "disc.iso").string()}, server.display(), work.path()),
        work.path() / "open.log");
    const auto window = WaitForSettledMainWindow(client, 60s);
    ASSERT_TRUE(window) << "no main window within 60 s; output:\n" << open.Output();
    const std::optional<Rect> at = windows.Geometry(*window);
    ASSERT_TRUE(at);
    const auto click = [&](QPoint point) {
        input.Click(at->x + point.x(), at->y + point.y());
    };
    const auto choose = [&](int row) {
        click({kTreeX, RowY(row)});
    };
    const auto colour = [&] {
        return PixelAt(client, at->x + kPagePoint.x(), at->y + kPagePoint.y());
    };
    const auto shows = [&](const Rgb& wanted, std::chrono::milliseconds limit) {
        return WaitFor([&] { return colour() == wanted; }, limit);
    };
    // The engine's error page: white, with its dark text and picture, where a page of this disc
    // is a colour and an empty one all white.
    const auto errorPageShown = [&] {
        const auto area = AreaAt(client, at->x + kPageArea.x(), at->y + kPageArea.y(),
                                 kPageArea.width(), kPageArea.height());
        if (!area || colour() != kWhite)
            return false;
        const auto dark = std::count_if(area->pixels.begin(), area->pixels.end(), [](Rgb p) {
            return p.red < 0x80 && p.green < 0x80 && p.blue < 0x80;
        });
        return dark > 100;
    };
    ASSERT_TRUE(shows(kBlue, 30s)) << "the start page did not show; output:\n" << open.Output();

    choose(kFourWaysRow);
    ASSERT_TRUE(shows(kAllArrived, 60s)) << "a way of loading did not get its file: colour "
                                         << colour().value_or(Rgb{}) << "; output:\n"
                                         << open.Output();

    const std::optional<std::string> entry = CacheEntryOf(work.path() / "cache/quilcd");
    ASSERT_TRUE(entry);
    const disc_image::FileLock held = disc_image::LockCacheEntry(*entry);
    choose(kGreenRow);
    ASSERT_TRUE(shows(kGreen, 20s));

    // The progress window shows once the page's request waits for the write: each check below
    // starts from there. Cancelling the write nobody waits for any more takes it away.
    const auto waitForLarge = [&]() -> std::optional<xcb_window_t> {
        choose(kLargeRow);
        return windows.WaitForViewable(kApplicationTitle, 20s);
    };
    const auto cancel = [&](xcb_window_t progress, const char* key = "Return") {
        input.TypeInto(progress, key);
        return WaitFor([&] { return !windows.IsViewable(progress); }, 10s);
    };

    // Each answer is timed from the reader's action to its sign, for the figures. The write stays
    // held for as long as the test likes, so any bound tells a window that answers from one that
    // waits for the write; the bound is only how long a failing run takes.
    std::string figures;
    const auto answers = [&](const char* what, const std::function<void()>& act,
                             const std::function<bool()>& sign) {
        const auto start = std::chrono::steady_clock::now();
        act();
        const bool answered = WaitFor(sign, 10s);
        char figure[64];
        std::snprintf(
            figure, sizeof figure, " %s %.2f s", what,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        figures += figure;
        return answered;
    };

    std::optional<xcb_window_t> progress = waitForLarge();
    ASSERT_TRUE(progress) << "no progress window; output:\n" << open.Output();
    EXPECT_EQ(colour(), kGreen) << "the page shown went before the large one came";
    EXPECT_TRUE(answers(
        "tree", [&] { choose(kStartRow); }, [&] { return colour() == kBlue; }))
        << "the tree did not answer while the page waited";
    // Escape cancels as Cancel does: a write left running would keep its window hidden, and the
    // next wait, joining it, would show none.
    ASSERT_TRUE(cancel(*progress, "Escape")) << "the progress window stays after Escape";

    progress = waitForLarge();
    ASSERT_TRUE(progress);
    EXPECT_TRUE(answers(
        "Back", [&] { click(kBack); }, [&] { return colour() == kGreen; }))
        << "Back did not answer while the page waited";
    ASSERT_TRUE(cancel(*progress));

    progress = waitForLarge();
    ASSERT_TRUE(progress);
    ASSERT_TRUE(cancel(*progress));
    EXPECT_TRUE(WaitFor(errorPageShown, 10s))
        << "no error page after Cancel: colour " << colour().value_or(Rgb{});
    EXPECT_TRUE(answers(
        "tree after Cancel", [&] { choose(kGreenRow); }, [&] { return colour() == kGreen; }))
        << "the tree did not answer after Cancel";

    // A write that fails (the image changed after it was opened) leaves the error page and says
    // why in a message that holds nothing: the tree answers while it is open.
    const fs::path iso = work.path() / "disc.iso";
    const fs::file_time_type opened = fs::last_write_time(iso);
    fs::last_write_time(iso, opened + 5s);
    choose(kLargeRow);
    const auto message = windows.WaitForViewable(kApplicationTitle, 20s);
    ASSERT_TRUE(message) << "no message; output:\n" << open.Output();
    EXPECT_NE(open.Output().find("the image has changed"), std::string::npos) << open.Output();
    EXPECT_TRUE(WaitFor(errorPageShown, 10s)) << "no error page after a failed write";
    EXPECT_TRUE(answers(
        "tree beside the message", [&] { choose(kGreenRow); }, [&] { return colour() == kGreen; }))
        << "the tree did not answer while the message was open";
    input.TypeInto(*message, "Return");
    ASSERT_TRUE(WaitFor([&] { return !windows.IsViewable(*message); }, 10s));
    fs::last_write_time(iso, opened);

    progress = waitForLarge();
    ASSERT_TRUE(progress);
    // Quit answers when the window goes; the engine's own ending follows.
    EXPECT_TRUE(answers(
        "Quit", [&] { click(kQuit); }, [&] { return !windows.IsViewable(*window); }))
        << "the window stayed after Quit while the page waited";
    std::printf("[figures] while a page waits for a 600 MB file:%s\n", figures.c_str());
    const std::optional<ExitStatus> status = open.process().WaitForExit(20s);
    ASSERT_TRUE(status) << "still running 20 s after Quit; output:\n" << open.Output();
    EXPECT_EQ(*status, ExitStatus::Exited(0)) << open.Output();
}

} // namespace
} // namespace whole_program
