// The launch buttons from the keyboard alone: Tab and Shift+Tab move the focus to them in the
// design's order, Space and Enter press the focused one, and the access key its caption marks
// presses its button from anywhere in the window.

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

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace whole_program {
namespace {
namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// One page whose three launch buttons run a script each; every run adds "ran" to the script's
// marker beside it.
void WriteKeyboardDisc(const fs::path& root) {
    Write(root / "menu/tree.txt", "Keys\r\n");
    Write(root / "menu/html.txt", "keys.htm\r\n");
    Write(root / "menu/button.txt", "keys.txt\r\n");
    Write(root / "menu/init.txt", "Keyboard disc\r\n");
    Write(root / "_html/keys.htm", "<html><body style=\"background: #ffffff\">keys</body></html>");
    Write(root / "_html/keys.txt",
          "&Alpha\r\nalpha.sh\r\n&Bravo\r\nbravo.sh\r\n&Charlie\r\ncharlie.sh\r\n");
    for (const char* script : {"alpha.sh", "bravo.sh", "charlie.sh"}) {
        const fs::path path = root / "_html" / script;
        Write(path, "#!/bin/sh\necho ran >> \"${0##*/}.ran\"\n");
        fs::permissions(path, fs::perms::owner_all);
    }
}

int Runs(const fs::path& root, const char* script) {
    std::ifstream marker(root / "_html" / (std::string(script) + ".ran"));
    int runs = 0;
    for (std::string line; std::getline(marker, line);) {
        runs += line == "ran" ? 1 : 0;
    }
    return runs;
}

TEST(Keyboard, TabSpaceEnterAndAccessKeysPressTheLaunchButtons) {
    const XvfbServer server(1024, 768);
    const XClient client(server.display());
    const WindowFinder windows(client);
    const InputDriver input(server.display());
    const DiscCopy disc = CopyOfSampleDisc();
    WriteKeyboardDisc(disc.root());
    BrowserProcess browser(disc, server.display());
    ErrorReports reports(client, windows, input);

    const auto window = WaitForUsableMainWindow(client, reports, 30s);
    ASSERT_TRUE(window) << "no usable main window within 30 s; output:\n" << browser.Output();
    const std::optional<Rect> at = windows.Geometry(*window);
    ASSERT_TRUE(at);
    // One row of buttons makes the strip 34 high: its black band shows above the row.
    constexpr int kStripTop = 3 + 594 - 34;
    ASSERT_TRUE(WaitFor(
        [&] {
            return PixelAt(client, at->x + 100, at->y + kStripTop + 3) == Rgb{0, 0, 0};
        },
        10s))
        << "the launch strip did not show";

    // The tree's entry, already chosen, takes the focus from a click; Shift+Tab then goes back
    // through Minimise and Quit to the last launch button shown.
    input.Click(at->x + 600, at->y + 205);
    const auto expectRuns = [&](int alpha, int bravo, int charlie, const char* after) {
        EXPECT_TRUE(WaitFor(
            [&] {
                return Runs(disc.root(), "alpha.sh") == alpha &&
                       Runs(disc.root(), "bravo.sh") == bravo &&
                       Runs(disc.root(), "charlie.sh") == charlie;
            },
            10s))
            << after << ": runs " << Runs(disc.root(), "alpha.sh") << ", "
            << Runs(disc.root(), "bravo.sh") << ", " << Runs(disc.root(), "charlie.sh")
            << ", expected " << alpha << ", " << bravo << ", " << charlie;
    };
    for (const char* key : {"shift+Tab", "shift+Tab", "shift+Tab", "space"}) {
        input.TypeInto(*window, key);
    }
    expectRuns(0, 0, 1, "Shift+Tab three times, Space");
    input.TypeInto(*window, "shift+Tab");
    input.TypeInto(*window, "Return");
    expectRuns(0, 1, 1, "Shift+Tab, Return");
    input.TypeInto(*window, "Tab");
    input.TypeInto(*window, "KP_Enter");
    expectRuns(0, 1, 2, "Tab, Enter on the keypad");
    // The access key works wherever the focus is, in the page too.
    input.Click(at->x + 200, at->y + 200);
    input.TypeInto(*window, "alt+a");
    expectRuns(1, 1, 2, "a click into the page, Alt+A");

    // Nothing else was pressed on the way.
    std::this_thread::sleep_for(1s);
    expectRuns(1, 1, 2, "a second later");
    EXPECT_EQ(reports.closed(), 0) << "error reports";
    RequestClose(client, *window);
    const auto status = browser.WaitForExit(15s);
    ASSERT_TRUE(status) << "still running 15 s after the close";
    EXPECT_EQ(*status, ExitStatus::Exited(0)) << browser.Output();
}

} // namespace
} // namespace whole_program
