#include "tests/support/browser_texts.h"
#include "tests/support/selection_reader.h"
#include "tests/support/session.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

// Height of the middle of the message box's first line of text, below its top edge.
constexpr int kFirstLineY = 20;

// On a screen narrower than 800 or lower than 600 the program shows only the screen-size
// message, titled with the program's title, waits until the reader closes it, and ends with
// status 0; the main window never appears.
TEST(ScreenTooSmall, ShowsOnlyTheScreenSizeMessageAndEndsWhenItIsClosed) {
    const std::pair<int, int> screens[] = {{799, 600}, {800, 599}, {900, 599}};
    for (const auto& [width, height] : screens) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        Session session(width, height);
        const WindowFinder& windows = session.windows();
        session.Start();

        const auto box = windows.WaitForViewable(kApplicationTitle, 15s);
        ASSERT_TRUE(box) << "no window titled \"" << kApplicationTitle << "\" within 15 s; "
                         << session.State();
        EXPECT_TRUE(windows.Captioned(kMainFormCaption).empty());
        EXPECT_TRUE(session.program().IsRunning()) << "the message must wait for the reader";
        const std::optional<Rect> boxAt = windows.Geometry(*box);
        ASSERT_TRUE(boxAt);
        EXPECT_TRUE(boxAt->x >= 0 && boxAt->y >= 0 && boxAt->x + boxAt->width <= width &&
                    boxAt->y + boxAt->height <= height)
            << "the message box " << *boxAt << " does not lie wholly on the screen";

        // The message's text is selectable with the mouse, and what is selected becomes the
        // PRIMARY selection: the way to read what the box says. The text is the box's first line.
        session.input().TripleClick(boxAt->x + boxAt->width / 2, boxAt->y + kFirstLineY);
        EXPECT_EQ(SelectionText(session.client(), "PRIMARY", 5s), std::string(kScreenSizeMessage))
            << "not the screen-size message, or its text could not be selected";

        session.input().TypeInto(*box, "Return");
        EXPECT_TRUE(session.EndsWithStatusZero(10s)) << "after Return closed the message";
    }
}

} // namespace
