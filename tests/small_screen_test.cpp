#include "browser_process.h"
#include "browser_texts.h"
#include "disc_copy.h"
#include "input_driver.h"
#include "selection_reader.h"
#include "wait.h"
#include "window_finder.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <gtest/gtest.h>

#include <string>

namespace whole_program {
namespace {

// Height of the middle of the message box's first line of text, below its top edge.
constexpr int kFirstLineY = 20;

// On a screen narrower than 800 or lower than 600 the program shows only the screen-size
// message, titled with the program's title, waits until the reader closes it, and ends with
// status 0; the main window never appears.
TEST(ScreenTooSmall, ShowsOnlyTheScreenSizeMessageAndEndsWhenItIsClosed) {
    const std::pair<int, int> screens[] = {{799, 600}, {800, 599}, {900, 599}};
    for (const auto& [width, height] : screens) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const XvfbServer server(width, height);
        const XClient client(server.display());
        const WindowFinder windows(client);
        const InputDriver input(server.display());
        const DiscCopy disc = CopyOfSampleDisc();
        BrowserProcess browser(disc, server.display());

        const auto box = windows.WaitForViewable(kApplicationTitle, 15s);
        ASSERT_TRUE(box) << "no window titled \"" << kApplicationTitle << "\" within 15 s; "
                         << (browser.IsRunning() ? "still running" : "ended") << "; output:\n"
                         << browser.Output();
        EXPECT_TRUE(windows.Captioned(kMainFormCaption).empty());
        EXPECT_TRUE(browser.IsRunning()) << "the message must wait for the reader";
        const std::optional<Rect> boxAt = windows.Geometry(*box);
        ASSERT_TRUE(boxAt);
        EXPECT_TRUE(boxAt->x >= 0 && boxAt->y >= 0 && boxAt->x + boxAt->width <= width &&
                    boxAt->y + boxAt->height <= height)
            << "the message box " << *boxAt << " does not lie wholly on the screen";

        // The message's text is selectable with the mouse, and what is selected becomes the
        // PRIMARY selection: the way to read what the box says. The text is the box's first line.
        input.TripleClick(boxAt->x + boxAt->width / 2, boxAt->y + kFirstLineY);
        EXPECT_EQ(SelectionText(client, "PRIMARY", 5s), std::string(kScreenSizeMessage))
            << "not the screen-size message, or its text could not be selected";

        input.TypeInto(*box, "Return");
        const auto status = browser.WaitForExit(10s);
        ASSERT_TRUE(status) << "still running 10 s after Return closed the message";
        EXPECT_EQ(*status, ExitStatus::Exited(0)) << browser.Output();
    }
}

} // namespace
} // namespace whole_program
