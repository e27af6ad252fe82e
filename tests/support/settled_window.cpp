#include "settled_window.h"

#include "browser_texts.h"
#include "screen_grab.h"
#include "wait.h"

namespace testkit {

std::optional<xcb_window_t> WaitForSteadyMainWindow(const XClient& client,
                                                    std::chrono::milliseconds limit,
                                                    const std::function<bool(const Rect&)>& painted,
                                                    const std::function<void()>& eachLook) {
    const WindowFinder windows(client);
    // The first X window can be painted before it is replaced, so a window counts only once it
    // has shown its skin for a while.
    constexpr auto kSteady = std::chrono::milliseconds(500);
    std::optional<xcb_window_t> candidate;
    auto since = std::chrono::steady_clock::now();
    return WaitFor(
        [&]() -> std::optional<xcb_window_t> {
            if (eachLook)
                eachLook();
            std::optional<xcb_window_t> found;
            for (const xcb_window_t window : windows.ViewableCaptioned(kMainFormCaption)) {
                const std::optional<Rect> at = windows.Geometry(window);
                if (at && painted(*at))
                    found = window;
            }
            if (found != candidate) {
                candidate = found;
                since = std::chrono::steady_clock::now();
                return std::nullopt;
            }
            if (candidate && std::chrono::steady_clock::now() - since >= kSteady)
                return candidate;
            return std::nullopt;
        },
        limit, std::chrono::milliseconds(100));
}

namespace {

// The colour of the skin's issue bar, painted only once the window shows its skin.
constexpr Rgb kIssueBar{0x50, 0x6A, 0x44};

} // namespace

std::optional<xcb_window_t> WaitForSettledMainWindow(const XClient& client,
                                                     std::chrono::milliseconds limit,
                                                     const std::function<void()>& eachLook) {
    return WaitForSteadyMainWindow(
        client, limit,
        [&client](const Rect& at) {
            return PixelAt(client, at.x + kIssueBarX, at.y + kIssueBarY) == kIssueBar;
        },
        eachLook);
}

} // namespace testkit
