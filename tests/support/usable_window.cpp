#include "usable_window.h"

#include "screen_grab.h"
#include "settled_window.h"

namespace testkit {
namespace {

// The page column at the left edge and the tree area at the right edge are both painted once the
// window has its layout and its first page.
constexpr Rgb kPageColumn{0xFF, 0xFF, 0xFF};
constexpr Rgb kTreeArea{0xF5, 0xFB, 0xFB};

} // namespace

std::optional<xcb_window_t> WaitForUsableMainWindow(const XClient& client, ErrorReports& reports,
                                                    std::chrono::milliseconds limit,
                                                    const std::function<void()>& eachLook) {
    return WaitForSteadyMainWindow(
        client, limit,
        [&client](const Rect& at) {
            return PixelAt(client, at.x + 2, at.y + 300) == kPageColumn &&
                   PixelAt(client, at.x + 790, at.y + 300) == kTreeArea;
        },
        [&] {
            reports.CloseShowing(true);
            if (eachLook)
                eachLook();
        });
}

} // namespace testkit
