// The launch buttons from the keyboard alone: Tab and Shift+Tab move the focus to them in the
// design's order, Space and Enter press the focused one, and the access key its caption marks
// presses its button from anywhere in the window.

#include "tests/support/disc_lists.h"
#include "tests/support/files.h"
#include "tests/support/session.h"
#include "tests/support/wait.h"
#include "tests/support/window_places.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// One page whose three launch buttons run a script each; every run adds "ran" to the script's
// marker beside it.
void WriteKeyboardDisc(const DiscCopy& disc) {
    WriteLists(disc.root(), {{"Keys", "keys.htm", "keys.txt"}}, "Keyboard disc");
    disc.write("_html/keys.htm", "<html><body style=\"background: #ffffff\">keys</body></html>");
    disc.write("_html/keys.txt",
               "&Alpha\r\nalpha.sh\r\n&Bravo\r\nbravo.sh\r\n&Charlie\r\ncharlie.sh\r\n");
    for (const char* script : {"alpha.sh", "bravo.sh", "charlie.sh"})
        fs::permissions(
            disc.write(std::string("_html/") + script, "#!/bin/sh\necho ran >> \"${0##*/}.ran\"\n"),
            fs::perms::owner_all);
}

// How often each script ran, as "alpha, bravo, charlie".
std::string Runs(const DiscCopy& disc) {
    std::string runs;
    for (const char* script : {"alpha", "bravo", "charlie"}) {
        std::istringstream marker(
            ReadFile(disc.root() / "_html" / (script + std::string(".sh.ran"))));
        int count = 0;
        for (std::string line; std::getline(marker, line);)
            count += line == "ran" ? 1 : 0;
        runs += (runs.empty() ? "" : ", ") + std::to_string(count);
    }
    return runs;
}

TEST(Keyboard, TabSpaceEnterAndAccessKeysPressTheLaunchButtons) {
    Session session(1024, 768, DiscCopy::Content::Nothing);
    WriteKeyboardDisc(session.disc());
    session.Start();
    ASSERT_TRUE(session.WaitForMainWindow(30s, Session::Ready::Usable));
    ASSERT_TRUE(WaitFor(
        [&] {
            return session.Pixel(places::StripBand(1)) == Rgb{0, 0, 0};
        },
        10s))
        << "the launch strip of one row did not show";

    // The tree's entry, already chosen, takes the focus from a click; Shift+Tab then goes back
    // through Minimise and Quit to the last launch button shown.
    session.Click(places::TreeRow(0));
    const auto expectRuns = [&](const std::string& expected, const char* after) {
        EXPECT_TRUE(WaitFor([&] { return Runs(session.disc()) == expected; }, 10s))
            << after << ": runs " << Runs(session.disc()) << ", expected " << expected;
    };
    for (const char* key : {"shift+Tab", "shift+Tab", "shift+Tab", "space"})
        session.Type(key);
    expectRuns("0, 0, 1", "Shift+Tab three times, Space");
    session.Type("shift+Tab");
    session.Type("Return");
    expectRuns("0, 1, 1", "Shift+Tab, Return");
    session.Type("Tab");
    session.Type("KP_Enter");
    expectRuns("0, 1, 2", "Tab, Enter on the keypad");
    // The access key works wherever the focus is, in the page too.
    session.Click(places::kPage);
    session.Type("alt+a");
    expectRuns("1, 1, 2", "a click into the page, Alt+A");

    // Nothing else was pressed on the way: the program starts a button's script while it takes
    // the key, in the order the keys came, so once a last key's run has come any run an earlier
    // key started has too.
    session.Type("alt+b");
    expectRuns("1, 2, 2", "Alt+B last");
    EXPECT_EQ(session.reports().closed(), 0) << "error reports";
    EXPECT_TRUE(session.CloseEndsWithStatusZero(15s));
}

} // namespace
