#include "usable_window.h"

#include "browser_texts.h"
#include "screen_grab.h"
#include "wait.h"
#include "window_finder.h"

namespace whole_program {

std::optional<xcb_window_t> WaitForUsableMainWindow(const XClient& client, ErrorReports& reports,
                                                    std::chrono::milliseconds limit) {
    const WindowFinder windows(client);
    constexpr Rgb kPageColumn{0xFF, 0xFF, 0xFF};
    constexpr Rgb kTreeArea{0xF5, 0xFB, 0xFB};
    constexpr auto kSteady = std::chrono::milliseconds(500);
    std::optional<xcb_window_t> candidate;
    auto since = std::chrono::steady_clock::now();
    return WaitFor(
        [&]() -> std::optional<xcb_window_t> {
            reports.CloseShowing(true);
            std::optional<xcb_window_t> painted;
            for (const xcb_window_t window : windows.ViewableCaptioned(kMainFormCaption)) {
                const std::optional<Rect> at = windows.Geometry(window);
                if (at && PixelAt(client, at->x + 2, at->y + 300) == kPageColumn &&
                    PixelAt(client, at->x + 790, at->y + 300) == kTreeArea) {
                    painted = window;
                }
            }
            if (painted != candidate) {
                candidate = painted;
                since = std::chrono::steady_clock::now();
                return std::nullopt;
            }
            if (candidate && std::chrono::steady_clock::now() - since >= kSteady) {
                return candidate;
            }
            return std::nullopt;
        },
        limit, std::chrono::milliseconds(100));
}

} // namespace whole_program
