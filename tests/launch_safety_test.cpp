// A launch button starts the file its target names and nothing else, whatever characters the
// name holds: no shell, URL or option parser may act on it.

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

#include "content/tests/hostile_discs.h"

#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace whole_program {
namespace {
namespace fs = std::filesystem;

// An empty directory of the test's own made the current one while it lives, so that the
// program, which inherits it, has a working directory where nothing is expected to appear.
class ScratchWorkingDirectory final {
public:
    ScratchWorkingDirectory() : m_previous(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "quilcd-cwd-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        m_path = pattern;
        fs::current_path(m_path);
    }
    ~ScratchWorkingDirectory() {
        std::error_code ignored;
        fs::current_path(m_previous, ignored);
        fs::remove_all(m_path, ignored);
    }
    ScratchWorkingDirectory(const ScratchWorkingDirectory&) = delete;
    ScratchWorkingDirectory& operator=(const ScratchWorkingDirectory&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_previous;
    fs::path m_path;
};

// Every file and directory under root, relative to it; links are listed, not followed.
std::set<fs::path> EntriesUnder(const fs::path& root) {
    std::set<fs::path> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        entries.insert(entry.path().lexically_relative(root));
    }
    return entries;
}

std::string Listed(const std::set<fs::path>& entries) {
    std::string text;
    for (const fs::path& entry : entries) {
        text += "  " + entry.string() + "\n";
    }
    return text;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LaunchSafety, EachButtonStartsOnlyTheScriptItNamesOnce) {
    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    const DiscCopy disc = CopyOfSampleDisc();
    hostile_discs::LaunchDisc(disc.root());
    const ScratchWorkingDirectory workingDirectory;
    BrowserProcess browser(disc, server.display());
    ErrorReports reports(client, windows, input);

    const auto window = WaitForUsableMainWindow(client, reports, 30s);
    ASSERT_TRUE(window) << "no usable main window within 30 s; output:\n" << browser.Output();
    EXPECT_EQ(reports.closed(), 0) << "error reports at start";
    const std::optional<Rect> at = windows.Geometry(*window);
    ASSERT_TRUE(at);

    // Four full rows make the strip 124 high, its top at y 3 + 594 - 124 in the window: the black
    // band above the first row shows once the start page's buttons are filled.
    constexpr int kStripTop = 3 + 594 - 124;
    constexpr Rgb kStrip{0, 0, 0};
    ASSERT_TRUE(
        WaitFor([&] { return PixelAt(client, at->x + 100, at->y + kStripTop + 3) == kStrip; }, 10s))
        << "the launch strip of four rows did not show";

    std::set<fs::path> expected = EntriesUnder(disc.root());
    const std::vector<hostile_discs::LaunchTarget> targets = hostile_discs::LaunchTargets();
    ASSERT_EQ(targets.size(), 12u);
    // One limit for all twelve launches, so that a program that launches nothing fails here and
    // not at ctest's limit.
    const auto launchesBy = std::chrono::steady_clock::now() + 30s;
    const auto left = [&] {
        return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(
                            launchesBy - std::chrono::steady_clock::now()),
                        std::chrono::milliseconds(0));
    };
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const fs::path marker = "_html" / hostile_discs::LaunchMarker(targets[i].script);
        SCOPED_TRACE("button " + std::to_string(i) + ", script " + targets[i].script.string());
        // Button i: column i % 3 (178 apart, from x 5), row i / 3 (29 apart, 7 below the top).
        const int column = static_cast<int>(i % 3);
        const int row = static_cast<int>(i / 3);
        input.Click(at->x + 5 + 178 * column + 176 / 2, at->y + kStripTop + 7 + 29 * row + 24 / 2);
        expected.insert(marker);
        EXPECT_TRUE(WaitFor([&] { return fs::exists(disc.root() / marker); }, left()))
            << "the script left no marker in its own directory";
        ASSERT_TRUE(browser.IsRunning()) << browser.Output();
    }

    // Time for anything else a launch might have started to leave its traces.
    std::this_thread::sleep_for(1s);
    const std::set<fs::path> found = EntriesUnder(disc.root());
    std::set<fs::path> added, missing;
    for (const fs::path& entry : found) {
        if (!expected.contains(entry)) {
            added.insert(entry);
        }
    }
    for (const fs::path& entry : expected) {
        if (!found.contains(entry)) {
            missing.insert(entry);
        }
    }
    EXPECT_TRUE(added.empty()) << "made on the disc besides the markers:\n" << Listed(added);
    EXPECT_TRUE(missing.empty()) << "missing from the disc:\n" << Listed(missing);
    EXPECT_TRUE(EntriesUnder(workingDirectory.path()).empty())
        << "made in the program's working directory:\n"
        << Listed(EntriesUnder(workingDirectory.path()));
    for (const hostile_discs::LaunchTarget& target : targets) {
        const fs::path marker = disc.root() / "_html" / hostile_discs::LaunchMarker(target.script);
        if (fs::exists(marker)) {
            EXPECT_EQ(Contents(marker), "ran\n") << target.script << " ran more than once";
        }
    }
    EXPECT_EQ(reports.closed(), 0) << "error reports while launching";

    RequestClose(client, *window);
    const auto status = browser.WaitForExit(15s);
    ASSERT_TRUE(status) << "still running 15 s after the close";
    EXPECT_EQ(*status, ExitStatus::Exited(0)) << browser.Output();
}

} // namespace
} // namespace whole_program
