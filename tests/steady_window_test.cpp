// From start to the first page one native window, the one with the caption, is mapped once, as a
// window manager would see it; and the start prints nothing when nothing is wrong.

#include "browser_process.h"
#include "browser_texts.h"
#include "disc_copy.h"
#include "screen_grab.h"
#include "settled_window.h"
#include "wait.h"
#include "window_finder.h"
#include "window_messages.h"
#include "window_watch.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <thread>

namespace whole_program {
namespace {

// The sample disc's first page opens with a dark heading band at the top of the page area.
constexpr Rgb kPageHeading{0x0A, 0x26, 0x33};
constexpr Rgb kIssueBar{0x50, 0x6A, 0x44};

// The output without the engine's note that it runs without its sandbox: the tests run it as
// root, where it cannot have one; a reader's start has it and prints no such line.
std::string WithoutSandboxNote(const std::string& output) {
    std::string kept;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line != "Sandboxing disabled by user.") {
            kept += line + "\n";
        }
    }
    return kept;
}

TEST(SteadyWindow, OneNativeWindowMappedOnceUntilTheFirstPageAndNoOutput) {
    // 800x600 is where the window starts maximised; elsewhere it is centred.
    const std::pair<int, int> screens[] = {{1024, 768}, {800, 600}};
    for (const auto& [width, height] : screens) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const XvfbServer server(width, height);
        const XClient client(server.display());
        const WindowFinder windows(client);
        TopLevelWatch watch(server.display());
        const DiscCopy disc = CopyOfSampleDisc();
        // A desktop session has a runtime directory; without one Qt says so on every start.
        const std::filesystem::path runtime = disc.root() / "runtime";
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        BrowserProcess browser(disc, server.display(), {"XDG_RUNTIME_DIR=" + runtime.string()});

        const auto window = WaitForSteadyMainWindow(
            client, 30s,
            [&](const Rect& at) {
                return PixelAt(client, at.x + kIssueBarX, at.y + kIssueBarY) == kIssueBar;
            },
            [&] { watch.Look(); });
        ASSERT_TRUE(window) << "no painted main window within 30 s; output:\n" << browser.Output();
        const std::optional<Rect> at = windows.Geometry(*window);
        ASSERT_TRUE(at);
        // The engine's drawing surface comes with the first page; the window it would have
        // replaced is long shown by then.
        ASSERT_TRUE(WaitFor(
            [&] {
                watch.Look();
                return PixelAt(client, at->x + 10, at->y + 6) == kPageHeading;
            },
            20s))
            << "the first page did not show";
        const auto until = std::chrono::steady_clock::now() + 1s;
        while (std::chrono::steady_clock::now() < until) {
            watch.Look();
            std::this_thread::sleep_for(50ms);
        }
        watch.Look();
        // No other program runs on this display: every map is the program's.
        EXPECT_EQ(watch.Mapped(), std::vector<xcb_window_t>{*window})
            << "native windows mapped; the first "
            << (watch.Mapped().empty() ? "-" : watch.CaptionOf(watch.Mapped().front()));
        EXPECT_EQ(watch.Maps(), 1) << "maps in all";
        EXPECT_EQ(watch.CaptionOf(*window), kMainFormCaption);

        RequestClose(client, *window);
        const auto status = browser.WaitForExit(15s);
        ASSERT_TRUE(status) << "still running 15 s after the close";
        EXPECT_EQ(*status, ExitStatus::Exited(0));
        EXPECT_EQ(WithoutSandboxNote(browser.Output()), "")
            << "a start from a disc with nothing wrong printed this";
    }
}

} // namespace
} // namespace whole_program
