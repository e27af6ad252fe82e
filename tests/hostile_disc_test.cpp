// The real program on discs no editor should make: it must open its window, survive a reader
// clicking and typing in the tree, report only the failures a broken disc calls for, and end
// with status 0 when closed.

#include "tests/support/session.h"
#include "tests/support/window_places.h"

#include "content/tests/hostile_discs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

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
    Session session;
    test.build(session.disc().root());
    session.Start();
    ErrorReports& reports = session.reports();

    // The start reports a broken disc before its window shows, and the first entry's page (or
    // its report) comes 50 ms after: all of it is over once the window has held still for half a
    // second. Reports still on the way are closed as they come.
    ASSERT_TRUE(session.WaitForMainWindow(60s, Session::Ready::Usable));
    reports.CloseUntilQuiet(500ms, true);
    ASSERT_TRUE(session.program().IsRunning())
        << "ended after its window showed; " << session.State();
    const int atStart = reports.closed();
    EXPECT_EQ(atStart, test.startReport == Expect::Yes ? 1 : 0) << "error reports at start";
    if (test.startReport == Expect::Yes && atStart == 1) {
        EXPECT_NE(reports.texts().front().find(kListIndexErrorAtZero), std::string::npos)
            << "the start's report says:\n"
            << reports.texts().front();
    }

    // The first rows of the tree, then the keys of a reader moving through it.
    for (const int row : {0, 1, 4}) {
        session.Click(places::TreeRow(row));
        reports.CloseUntilQuiet(300ms);
        ASSERT_TRUE(session.program().IsRunning())
            << "ended after a click on row " << row << "; " << session.State();
    }
    std::vector<std::string> keys(static_cast<std::size_t>(test.downPresses), "Down");
    keys.insert(keys.end(), {"Return", "Up"});
    for (const std::string& key : keys) {
        session.Type(key);
        reports.CloseUntilQuiet(300ms);
        ASSERT_TRUE(session.program().IsRunning())
            << "ended after the key " << key << "; " << session.State();
    }
    reports.CloseUntilQuiet(1s);
    const int whileSelecting = reports.closed() - atStart;
    if (test.selectionReports == Expect::Yes) {
        EXPECT_GT(whileSelecting, 0) << "no error report while selecting nodes";
    } else {
        EXPECT_EQ(whileSelecting, 0) << "error reports while selecting nodes";
    }
    EXPECT_TRUE(session.CloseEndsWithStatusZero(15s));
}

INSTANTIATE_TEST_SUITE_P(Discs, HostileDisc, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
