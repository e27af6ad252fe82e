// The real program on discs no editor should make: it must open its window, survive a reader
// clicking and typing in the tree, report only the failures a broken disc calls for, and end
// with status 0 when closed.

#include "browser_process.h"
#include "disc_copy.h"
#include "error_reports.h"
#include "input_driver.h"
#include "usable_window.h"
#include "wait.h"
#include "window_finder.h"
#include "window_messages.h"
#include "x_client.h"
#include "xvfb_server.h"

#include "content/tests/hostile_discs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

namespace whole_program {
namespace {

// The report of the start when html.txt was never read or names no page.
constexpr std::string_view kListIndexErrorAtZero = "リストのインデックスが範囲を超えています (0)";

enum class Expect { No, Yes };

struct HostileCase {
    const char* name;
    void (*build)(const std::filesystem::path& root);
    // Whether the start reports the list index error for entry 0: the failure of the load
    // leaves html.txt unread, or it names no page.
    Expect startReport;
    // Whether selecting the tree's nodes reports errors: every node lacks its html.txt line.
    Expect selectionReports;
    // Down presses in the tree, enough to visit every entry of the disc.
    int downPresses = 2;
};

void PrintTo(const HostileCase& test, std::ostream* out) {
    *out << test.name;
}

const HostileCase kCases[] = {
    // The load stops at the missing button.txt: only the top-level groups show, none with a line.
    {"HugeTree", hostile_discs::HugeTree, Expect::Yes, Expect::Yes},
    {"MillionLines", hostile_discs::MillionLines, Expect::No, Expect::No},
    {"ThreeThousandLevelsDeep", hostile_discs::Deep, Expect::No, Expect::No},
    {"RandomBytes", hostile_discs::RandomBytes, Expect::No, Expect::No},
    {"InvalidShiftJis", hostile_discs::InvalidShiftJis, Expect::No, Expect::No},
    {"NulInTheFirstTreeLine", hostile_discs::NulInTree, Expect::No, Expect::No},
    // The tree stays empty: there is nothing to select.
    {"TreeTxtIsADirectory", hostile_discs::TreeIsDirectory, Expect::Yes, Expect::No},
    // html.txt is no file to open, so no node has its line; the FIFO is never waited on.
    {"HtmlTxtIsAFifo", hostile_discs::HtmlIsFifo, Expect::Yes, Expect::Yes},
    {"SymlinkLoopInTheContentDirectory", hostile_discs::SymlinkLoop, Expect::No, Expect::No},
    {"NoContentDirectory", hostile_discs::MissingHtml, Expect::No, Expect::No},
    {"ButtonFilesOfEveryLength", hostile_discs::ButtonFiles, Expect::No, Expect::No, 7},
    // Broken and 100 MB Flash movies and MIDI music on both pages.
    {"BrokenFlashAndMidi", hostile_discs::BrokenMedia, Expect::No, Expect::No},
};

class HostileDisc : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileDisc, BrowserOpensSurvivesUseAndClosesWithStatusZero) {
    const HostileCase& test = GetParam();
    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    const DiscCopy disc = CopyOfSampleDisc();
    test.build(disc.root());
    BrowserProcess browser(disc, server.display());
    ErrorReports reports(client, windows, input);

    const auto window = WaitForUsableMainWindow(client, reports, 60s);
    ASSERT_TRUE(window) << "no usable main window within 60 s; "
                        << (browser.IsRunning() ? "still running" : "ended") << "; output:\n"
                        << browser.Output();
    // A few seconds more for whatever the start does after the window shows.
    std::this_thread::sleep_for(2s);
    reports.CloseUntilQuiet(500ms, true);
    ASSERT_TRUE(browser.IsRunning())
        << "ended after its window showed: " << *browser.WaitForExit(0ms) << "; output:\n"
        << browser.Output();
    const int atStart = reports.closed();
    EXPECT_EQ(atStart, test.startReport == Expect::Yes ? 1 : 0) << "error reports at start";
    if (test.startReport == Expect::Yes && atStart == 1) {
        EXPECT_NE(reports.texts().front().find(kListIndexErrorAtZero), std::string::npos)
            << "the start's report says:\n"
            << reports.texts().front();
    }

    const std::optional<Rect> at = windows.Geometry(*window);
    ASSERT_TRUE(at);
    // The first rows of the tree, then the keys of a reader moving through it.
    for (const int y : {205, 225, 265}) {
        input.Click(at->x + 640, at->y + y);
        reports.CloseUntilQuiet(300ms);
        ASSERT_TRUE(browser.IsRunning()) << "ended after a click at (640," << y
                                         << "): " << *browser.WaitForExit(0ms) << "; output:\n"
                                         << browser.Output();
    }
    std::vector<std::string> keys(static_cast<std::size_t>(test.downPresses), "Down");
    keys.insert(keys.end(), {"Return", "Up"});
    for (const std::string& key : keys) {
        input.TypeInto(*window, key);
        reports.CloseUntilQuiet(300ms);
        ASSERT_TRUE(browser.IsRunning())
            << "ended after the key " << key << ": " << *browser.WaitForExit(0ms) << "; output:\n"
            << browser.Output();
    }
    reports.CloseUntilQuiet(1s);
    const int whileSelecting = reports.closed() - atStart;
    if (test.selectionReports == Expect::Yes) {
        EXPECT_GT(whileSelecting, 0) << "no error report while selecting nodes";
    } else {
        EXPECT_EQ(whileSelecting, 0) << "error reports while selecting nodes";
    }

    RequestClose(client, *window);
    const auto status = browser.WaitForExit(15s);
    ASSERT_TRUE(status) << "still running 15 s after the close";
    EXPECT_EQ(*status, ExitStatus::Exited(0)) << browser.Output();
}

INSTANTIATE_TEST_SUITE_P(Discs, HostileDisc, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace whole_program
