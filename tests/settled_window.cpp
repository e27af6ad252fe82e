#include "settled_window.h"

#include "browser_texts.h"
#include "screen_grab.h"
#include "wait.h"

namespace whole_program {

std::optional<xcb_window_t> WaitForSettledMainWindow(const XClient& client,
                                                     std::chrono::milliseconds limit) {
    const WindowFinder windows(client);
    constexpr Rgb kIssueBar{0x50, 0x6A, 0x44};
    return WaitFor(
        [&]() -> std::optional<xcb_window_t> {
            for (const xcb_window_t window : windows.ViewableCaptioned(kMainFormCaption)) {
                const std::optional<Rect> at = windows.Geometry(window);
                if (at && PixelAt(client, at->x + kIssueBarX, at->y + kIssueBarY) == kIssueBar) {
                    return window;
                }
            }
            return std::nullopt;
        },
        limit, std::chrono::milliseconds(100));
}

} // namespace whole_program
