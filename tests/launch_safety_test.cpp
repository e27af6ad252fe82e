// A launch button starts the file its target names and nothing else, whatever characters the
// name holds: no shell, URL or option parser may act on it.

#include "tests/support/files.h"
#include "tests/support/session.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"
#include "tests/support/window_places.h"

#include "content/tests/hostile_discs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// An empty folder of the test's own made the current one while it lives, so that the program,
// which inherits it, has a working directory where nothing is expected to appear.
class ScratchWorkingDirectory final {
public:
    ScratchWorkingDirectory() : m_previous(fs::current_path()) { fs::current_path(m_dir.path()); }
    ~ScratchWorkingDirectory() {
        std::error_code ignored;
        fs::current_path(m_previous, ignored);
    }
    ScratchWorkingDirectory(const ScratchWorkingDirectory&) = delete;
    ScratchWorkingDirectory& operator=(const ScratchWorkingDirectory&) = delete;

    const fs::path& path() const { return m_dir.path(); }

private:
    fs::path m_previous;
    TempDir m_dir;
};

std::string Listed(const std::set<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries)
        text += "  " + entry + "\n";
    return text;
}

TEST(LaunchSafety, EachButtonStartsOnlyTheScriptItNamesOnce) {
    Session session;
    const fs::path root = session.disc().root();
    hostile_discs::LaunchDisc(root);
    const ScratchWorkingDirectory workingDirectory;
    session.Start();
    ASSERT_TRUE(session.WaitForMainWindow(30s, Session::Ready::Usable));
    EXPECT_EQ(session.reports().closed(), 0) << "error reports at start";

    // The black band above the first row of four shows once the start page's buttons are filled.
    ASSERT_TRUE(WaitFor(
        [&] {
            return session.Pixel(places::StripBand(4)) == Rgb{0, 0, 0};
        },
        10s))
        << "the launch strip of four rows did not show";

    std::set<std::string> expected = EntriesUnder(root);
    const std::vector<hostile_discs::LaunchTarget> targets = hostile_discs::LaunchTargets();
    ASSERT_EQ(targets.size(), 12u);
    const auto marker = [&](std::size_t i) {
        return fs::path("_html") / hostile_discs::LaunchMarker(targets[i].script);
    };
    // One limit for all launches, so that a program that launches nothing fails here and not at
    // ctest's limit.
    const auto launchesBy = std::chrono::steady_clock::now() + 30s;
    const auto left = [&] {
        return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(
                            launchesBy - std::chrono::steady_clock::now()),
                        0ms);
    };
    const auto launch = [&](std::size_t i, const std::string& runs) {
        SCOPED_TRACE("button " + std::to_string(i) + ", script " + targets[i].script.string());
        session.Click(places::LaunchButton(static_cast<int>(i), 4));
        expected.insert(marker(i).string());
        EXPECT_TRUE(WaitFor([&] { return ReadFile(root / marker(i)) == runs; }, left()))
            << "the script's marker in its own directory holds \"" << ReadFile(root / marker(i))
            << "\", not \"" << runs << "\"";
        ASSERT_TRUE(session.program().IsRunning()) << session.State();
    };
    for (std::size_t i = 0; i < targets.size(); ++i)
        launch(i, "ran\n");
    // The program starts a button's file while it takes the click, one click after the other: once
    // the first button's second run has come, whatever an earlier click started has too.
    launch(0, "ran\nran\n");

    const std::set<std::string> found = EntriesUnder(root);
    std::set<std::string> added, missing;
    std::ranges::set_difference(found, expected, std::inserter(added, added.end()));
    std::ranges::set_difference(expected, found, std::inserter(missing, missing.end()));
    EXPECT_TRUE(added.empty()) << "made on the disc besides the markers:\n" << Listed(added);
    EXPECT_TRUE(missing.empty()) << "missing from the disc:\n" << Listed(missing);
    EXPECT_TRUE(EntriesUnder(workingDirectory.path()).empty())
        << "made in the program's working directory:\n"
        << Listed(EntriesUnder(workingDirectory.path()));
    for (std::size_t i = 1; i < targets.size(); ++i)
        EXPECT_EQ(ReadFile(root / marker(i)), "ran\n")
            << targets[i].script << " ran more than once";
    EXPECT_EQ(session.reports().closed(), 0) << "error reports while launching";
    EXPECT_TRUE(session.CloseEndsWithStatusZero(15s));
}

} // namespace
