// From the start through the first page to the end one native window, the one with the caption,
// is mapped once, as a window manager would see it; and the start prints nothing when nothing is
// wrong.

#include "tests/support/browser_texts.h"
#include "tests/support/screen_grab.h"
#include "tests/support/session.h"
#include "tests/support/wait.h"
#include "tests/support/window_watch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

// The sample disc's first page opens with a dark heading band at the top of the page area.
constexpr Rgb kPageHeading{0x0A, 0x26, 0x33};

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
        Session session(width, height);
        TopLevelWatch watch(session.display());
        // A desktop session has a runtime directory; without one Qt says so on every start.
        const std::filesystem::path runtime = session.disc().root() / "runtime";
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        session.Start({"XDG_RUNTIME_DIR=" + runtime.string()});

        ASSERT_TRUE(session.WaitForMainWindow(30s, Session::Ready::Settled, [&] { watch.Look(); }));
        const xcb_window_t window = session.window();
        // The engine's drawing surface comes with the first page; the window it would have
        // replaced is long shown by then.
        ASSERT_TRUE(WaitFor(
            [&] {
                watch.Look();
                return session.Pixel({10, 6}) == kPageHeading;
            },
            20s))
            << "the first page did not show";
        // Every map the program makes is seen by its end, which comes after the first page.
        ASSERT_TRUE(session.CloseEndsWithStatusZero(15s));
        watch.Look();
        // No other program runs on this display: every map is the program's.
        EXPECT_EQ(watch.Mapped(), std::vector<xcb_window_t>{window})
            << "native windows mapped; the first "
            << (watch.Mapped().empty() ? "-" : watch.CaptionOf(watch.Mapped().front()));
        EXPECT_EQ(watch.Maps(), 1) << "maps in all";
        EXPECT_EQ(watch.CaptionOf(window), kMainFormCaption);
        EXPECT_EQ(WithoutSandboxNote(session.program().Output()), "")
            << "a start from a disc with nothing wrong printed this";
    }
}

} // namespace
