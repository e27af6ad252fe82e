// quilcd-open as a reader starts it, under an X server of the test's own: the same window, pixel
// for pixel, from a disc folder and from its images; a launch button opens the file extracted
// from the image; a disc that cannot be shown ends with its reason.

#include "open_process.h"
#include "test_images.h"

#include "tests/support/browser_texts.h"
#include "tests/support/files.h"
#include "tests/support/foreign_window.h"
#include "tests/support/screen_grab.h"
#include "tests/support/session.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"
#include "tests/support/window_places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

using namespace test_images;
using namespace testkit;
using namespace std::chrono_literals;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The window's pixels as the screen shows them; none when it could not be grabbed.
ScreenArea Grab(const XClient& client, const Rect& at) {
    return AreaAt(client, at.x, at.y, kWidth, kHeight).value_or(ScreenArea{});
}

std::size_t PixelsDiffering(const ScreenArea& a, const ScreenArea& b) {
    if (a.pixels.size() != b.pixels.size())
        return static_cast<std::size_t>(kWidth) * kHeight;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        differing += a.pixels[i] != b.pixels[i];
    return differing;
}

// Kept for a look when a comparison fails: a PPM beside the test's other files.
void SavePicture(const ScreenArea& picture, const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    for (const Rgb& pixel : picture.pixels)
        out << pixel.red << pixel.green << pixel.blue;
}

// The desktop's opener, as the program finds it on PATH: it notes the address it was given.
void InstallRecordingOpener(const fs::path& work) {
    const fs::path opener = work / "bin/xdg-open";
    WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + (work / "opened.tmp").string() +
                          "' && mv '" + (work / "opened.tmp").string() + "' '" +
                          (work / "opened").string() + "'\n");
    fs::permissions(opener, fs::perms::owner_all);
}

// Counts the pixels of a part of the window (x0 <= x < x1, y0 <= y < y1) that a test accepts.
template <typename Accepts>
std::size_t CountPixels(const ScreenArea& picture, int x0, int x1, int y0, int y1,
                        Accepts accepts) {
    std::size_t count = 0;
    for (int y = y0; y < std::min(y1, picture.height); ++y)
        for (int x = x0; x < std::min(x1, picture.width); ++x) {
            const Rgb& pixel = picture.At(x, y);
            count += accepts(pixel.red, pixel.green, pixel.blue);
        }
    return count;
}

// Whether the page view shows the first page with its pictures: the dark title band across the
// top (an empty view is white), the banner's gold rule in it, and the blue globe of the article's
// picture. A busy machine may show the page a while before its pictures, and the folder's
// window is the one the images' windows are compared with.
bool PageShown(const ScreenArea& picture) {
    const std::size_t dark = CountPixels(picture, 20, 500, 20, 60,
                                         [](int r, int g, int) { return r < 0x80 && g < 0x80; });
    const std::size_t gold = CountPixels(picture, 5, 540, 3, 70, [](int r, int g, int b) {
        return r > 0xC0 && g > 0x90 && b < 0x80;
    });
    const std::size_t blue = CountPixels(picture, 350, 530, 130, 260,
                                         [](int r, int, int b) { return b > 0xA0 && r < 0x80; });
    return dark > 5000 && gold > 1000 && blue > 2000;
}

// The window once the page is shown and steady: the same pixels over two looks a second apart.
std::optional<ScreenArea> SteadyPicture(const XClient& client, const Rect& at,
                                        const std::optional<ScreenArea>& reference) {
    ScreenArea last = Grab(client, at);
    const auto steady = WaitFor(
        [&]() -> bool {
            ScreenArea now = Grab(client, at);
            const bool same = now == last;
            last = std::move(now);
            return same && PageShown(last) && (!reference || last == *reference);
        },
        60s, 1000ms);
    if (!steady && !reference)
        return std::nullopt;
    return last;
}

TEST(OpenWindow, TheSameWindowFromAFolderAndFromItsImages) {
    const TempDir work;
    const fs::path disc = work.path() / "disc";
    CopySampleDisc(disc);
    // The first page's first button opens this text: made large, it stays in the image until
    // the button asks for it.
    const fs::path kiji = disc / "_html/tokushu/kiji.txt";
    std::string text = ReadFile(kiji);
    while (text.size() < 2 * 1024 * 1024)
        text += text + "\r\n";
    WriteFile(kiji, text);
    // The first page's banner, made large (a picture's reader stops at its end): the page's own
    // request for it brings it out of the image.
    const fs::path banner = disc / "_html/img/banner.png";
    WriteFile(banner, ReadFile(banner) + std::string(1536 * 1024, '\x5A'));
    InstallRecordingOpener(work.path());

    MakeIso(disc, work.path() / "joliet.iso", Names::Joliet);
    MakeIso(disc, work.path() / "plain.iso", Names::Plain);
    WriteRawSectors(work.path() / "joliet.iso", work.path() / "disc.bin", 1);
    WriteCueSheet(work.path() / "disc.cue", "disc.bin", "MODE1/2352");

    Session session(1024, 768, DiscCopy::Content::Nothing);
    std::optional<ScreenArea> reference;
    for (const char* given : {"disc", "joliet.iso", "plain.iso", "disc.cue"}) {
        SCOPED_TRACE(given);
        session.Start(OpenStart({(work.path() / given).string()}, session.display(), work.path()));
        ASSERT_TRUE(session.WaitForMainWindow(60s));
        const std::optional<ScreenArea> picture =
            SteadyPicture(session.client(), session.at(), reference);
        ASSERT_TRUE(picture) << "the first page never showed steadily";
        if (!reference) {
            reference = picture;
        } else if (*picture != *reference) {
            SavePicture(*reference, work.path() / "../quilcd-open-folder.ppm");
            SavePicture(*picture, work.path() / "../quilcd-open-image.ppm");
            ADD_FAILURE() << PixelsDiffering(*picture, *reference)
                          << " pixels differ from the folder's window (both kept as "
                             "quilcd-open-*.ppm in the temporary directory)";
        }

        if (std::string(given) == "disc.cue") {
            session.Click(places::LaunchButton(0, 1));
            const fs::path record = work.path() / "opened";
            ASSERT_TRUE(WaitFor([&] { return fs::exists(record); }, 60s))
                << "the button opened nothing; " << session.State();
            const std::string url = ReadFile(record);
            ASSERT_EQ(url.rfind("file://", 0), 0u) << url;
            const fs::path opened = url.substr(7);
            EXPECT_EQ(opened.filename(), "kiji.txt");
            EXPECT_EQ(opened.string().rfind((work.path() / "cache/quilcd").string(), 0), 0u)
                << "opened outside the cache: " << opened;
            EXPECT_TRUE(ReadFile(opened) == text) << "the opened file is not the disc's";
        }
        ASSERT_TRUE(session.CloseEndsWithStatusZero(20s));
    }
}

TEST(OpenWindow, ADiscThatCannotBeShownEndsWithItsReason) {
    const TempDir work;
    WriteFile(work.path() / "notadisc.iso", std::string(100000, 'x'));
    WriteFile(work.path() / "folder/menu/tree.txt", "x\r\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{(work.path() / "missing.iso").string()}, 1, "No such file"},
        {{(work.path() / "notadisc.iso").string()}, 1, "not an ISO 9660 disc image"},
        {{(work.path() / "folder").string()}, 1, "no menu"},
        {{}, 2, "usage: quilcd-open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        BrowserProcess open(OpenStart(c.args, std::nullopt, work.path()), work.path() / "open.log");
        const auto status = open.WaitForExit(30s);
        ASSERT_TRUE(status) << "still running after 30 s";
        EXPECT_EQ(*status, ExitStatus::Exited(c.status));
        EXPECT_NE(open.Output().find(c.says), std::string::npos) << open.Output();
    }

    // Started from the desktop, where nobody reads the standard error: a message box as well.
    Session session(1024, 768, DiscCopy::Content::Nothing);
    session.Start(
        OpenStart({(work.path() / "notadisc.iso").string()}, session.display(), work.path()));
    ASSERT_TRUE(session.windows().WaitForViewable(kApplicationTitle, 30s))
        << "no message box; " << session.State();
    ErrorReports& reports = session.reports();
    reports.CloseShowing(true);
    ASSERT_EQ(reports.texts().size(), 1u);
    EXPECT_NE(reports.texts()[0].find("not an ISO 9660"), std::string::npos) << reports.texts()[0];
    const auto status = session.program().WaitForExit(20s);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, ExitStatus::Exited(1));
}

// The browser's own running-instance test holds: while a window of its caption is shown, the
// disc is not shown twice.
TEST(OpenWindow, EndsSilentlyWhileTheBrowserRuns) {
    const TempDir work;
    Session session(1024, 768, DiscCopy::Content::Nothing);
    CreateCaptionedWindow(session.client(), kMainFormCaption, CaptionProperty::NetWmName);
    session.Start(OpenStart({QUILCD_DISC_DIR}, session.display(), work.path()));
    EXPECT_TRUE(session.EndsWithStatusZero(30s));
    EXPECT_EQ(session.windows().Captioned(kMainFormCaption).size(), 1u);
    EXPECT_TRUE(session.windows().Captioned(kApplicationTitle).empty());
}

} // namespace
