// quilcd-open as a reader starts it, under an X server of the test's own: the same window, pixel
// for pixel, from a disc folder and from its images; a launch button opens the file extracted
// from the image; a disc that cannot be shown ends with its reason.

#include "open_process.h"
#include "test_images.h"

#include "browser_texts.h"
#include "child_process.h"
#include "error_reports.h"
#include "foreign_window.h"
#include "input_driver.h"
#include "settled_window.h"
#include "wait.h"
#include "window_finder.h"
#include "window_messages.h"
#include "x_client.h"
#include "xvfb_server.h"

#include "content/launch_strip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace whole_program {
namespace {

using namespace test_images;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The window's pixels as the screen shows them, 32 bits each.
std::string Grab(const XClient& client, const Rect& at) {
    xcb_connection_t* connection = client.connection();
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, client.root(),
                      static_cast<int16_t>(at.x), static_cast<int16_t>(at.y), kWidth, kHeight, ~0u),
        nullptr);
    std::string pixels;
    if (reply != nullptr)
        pixels.assign(reinterpret_cast<const char*>(xcb_get_image_data(reply)),
                      static_cast<std::size_t>(xcb_get_image_data_length(reply)));
    std::free(reply);
    return pixels;
}

std::size_t PixelsDiffering(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return static_cast<std::size_t>(kWidth) * kHeight;
    std::size_t differing = 0;
    for (std::size_t i = 0; i + 4 <= a.size(); i += 4)
        differing += a.compare(i, 3, b, i, 3) != 0;
    return differing;
}

// Kept for a look when a comparison fails: a PPM beside the test's other files.
void SavePicture(const std::string& pixels, const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << kWidth << ' ' << kHeight << "\n255\n";
    for (std::size_t i = 0; i + 4 <= pixels.size(); i += 4)
        out << pixels[i + 2] << pixels[i + 1] << pixels[i];
}

// The desktop's opener, as the program finds it on PATH: it notes the address it was given.
void InstallRecordingOpener(const fs::path& work) {
    const fs::path opener = work / "bin/xdg-open";
    WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + (work / "opened.tmp").string() +
                          "' && mv '" + (work / "opened.tmp").string() + "' '" +
                          (work / "opened").string() + "'\n");
    fs::permissions(opener, fs::perms::owner_all);
}

// Counts the pixels of a part of the window (x0 <= x < x1, y0 <= y < y1) that a test accepts;
// the grab holds blue, green, red and a spare byte per pixel.
template <typename Accepts>
std::size_t CountPixels(const std::string& pixels, int x0, int x1, int y0, int y1,
                        Accepts accepts) {
    std::size_t count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * kWidth + x) * 4;
            if (i + 3 >= pixels.size())
                continue;
            const auto byte = [&](std::size_t k) {
                return static_cast<unsigned char>(pixels[i + k]);
            };
            count += accepts(byte(2), byte(1), byte(0));
        }
    return count;
}

// Whether the page view shows the first page with its pictures: the dark title band across the
// top (an empty view is white), the banner's gold rule in it, and the blue globe of the article's
// picture. A busy machine may show the page a while before its pictures, and the folder's
// window is the one the images' windows are compared with.
bool PageShown(const std::string& pixels) {
    const std::size_t dark = CountPixels(pixels, 20, 500, 20, 60,
                                         [](int r, int g, int) { return r < 0x80 && g < 0x80; });
    const std::size_t gold = CountPixels(pixels, 5, 540, 3, 70, [](int r, int g, int b) {
        return r > 0xC0 && g > 0x90 && b < 0x80;
    });
    const std::size_t blue = CountPixels(pixels, 350, 530, 130, 260,
                                         [](int r, int, int b) { return b > 0xA0 && r < 0x80; });
    return dark > 5000 && gold > 1000 && blue > 2000;
}

// The window once the page is shown and steady: the same pixels over two looks a second apart.
std::optional<std::string> SteadyPicture(const XClient& client, const Rect& at,
                                         const std::optional<std::string>& reference) {
    std::string last = Grab(client, at);
    const auto steady = WaitFor(
        [&]() -> bool {
            const std::string now = Grab(client, at);
            const bool same = now == last;
            last = now;
            return same && PageShown(now) && (!reference || now == *reference);
        },
        60s, 1000ms);
    if (!steady && !reference)
        return std::nullopt;
    return last;
}

TEST(OpenWindow, TheSameWindowFromAFolderAndFromItsImages) {
    const TempDir work;
    const fs::path disc = work.path() / "disc";
    fs::create_directories(disc / "menu");
    for (const char* name : {"tree.txt", "html.txt", "button.txt", "init.txt"})
        fs::copy_file(fs::path(QUILCD_DISC_DIR) / "menu" / name, disc / "menu" / name);
    fs::copy(fs::path(QUILCD_DISC_DIR) / "_html", disc / "_html", fs::copy_options::recursive);
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

    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    std::optional<std::string> reference;
    for (const char* given : {"disc", "joliet.iso", "plain.iso", "disc.cue"}) {
        SCOPED_TRACE(given);
        OpenProcess open({(work.path() / given).string()}, server.display(), work.path());
        const auto window = WaitForSettledMainWindow(client, 60s);
        ASSERT_TRUE(window) << "no main window within 60 s; output:\n" << open.Output();
        const std::optional<Rect> at = windows.Geometry(*window);
        ASSERT_TRUE(at);
        const std::optional<std::string> picture = SteadyPicture(client, *at, reference);
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
            // The first button of a strip of one row.
            const int stripTop = 3 + 594 - content::StripHeightForRow(0);
            input.Click(at->x + 5 + 60, at->y + stripTop + content::ButtonTop(0) + 12);
            const fs::path record = work.path() / "opened";
            ASSERT_TRUE(WaitFor([&] { return fs::exists(record); }, 60s))
                << "the button opened nothing; output:\n"
                << open.Output();
            const std::string url = ReadFile(record);
            ASSERT_EQ(url.rfind("file://", 0), 0u) << url;
            const fs::path opened = url.substr(7);
            EXPECT_EQ(opened.filename(), "kiji.txt");
            EXPECT_EQ(opened.string().rfind((work.path() / "cache/quilcd").string(), 0), 0u)
                << "opened outside the cache: " << opened;
            EXPECT_TRUE(ReadFile(opened) == text) << "the opened file is not the disc's";
        }
        RequestClose(client, *window);
        const auto status = open.process().WaitForExit(20s);
        ASSERT_TRUE(status) << "still running 20 s after the close";
        EXPECT_EQ(*status, ExitStatus::Exited(0)) << open.Output();
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
        OpenProcess open(c.args, std::nullopt, work.path());
        const auto status = open.process().WaitForExit(30s);
        ASSERT_TRUE(status) << "still running after 30 s";
        EXPECT_EQ(*status, ExitStatus::Exited(c.status));
        EXPECT_NE(open.Output().find(c.says), std::string::npos) << open.Output();
    }

    // Started from the desktop, where nobody reads the standard error: a message box as well.
    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    OpenProcess open({(work.path() / "notadisc.iso").string()}, server.display(), work.path());
    ASSERT_TRUE(windows.WaitForViewable(kApplicationTitle, 30s)) << "no message box; output:\n"
                                                                 << open.Output();
    ErrorReports reports(client, windows, input);
    reports.CloseShowing(true);
    ASSERT_EQ(reports.texts().size(), 1u);
    EXPECT_NE(reports.texts()[0].find("not an ISO 9660"), std::string::npos) << reports.texts()[0];
    const auto status = open.process().WaitForExit(20s);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, ExitStatus::Exited(1));
}

// The browser's own running-instance test holds: while a window of its caption is shown, the
// disc is not shown twice.
TEST(OpenWindow, EndsSilentlyWhileTheBrowserRuns) {
    const TempDir work;
    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    CreateCaptionedWindow(client, kMainFormCaption, CaptionProperty::NetWmName);
    OpenProcess open({QUILCD_DISC_DIR}, server.display(), work.path());
    const auto status = open.process().WaitForExit(30s);
    ASSERT_TRUE(status) << open.Output();
    EXPECT_EQ(*status, ExitStatus::Exited(0));
    EXPECT_EQ(windows.Captioned(kMainFormCaption).size(), 1u);
    EXPECT_TRUE(windows.Captioned(kApplicationTitle).empty());
}

} // namespace
} // namespace whole_program
