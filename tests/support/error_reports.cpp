#include "error_reports.h"

#include "browser_texts.h"
#include "selection_reader.h"
#include "wait.h"

#include <stdexcept>
#include <thread>

namespace testkit {
namespace {

// Height of the middle of a message box's first line of text, below its top edge.
constexpr int kFirstLineY = 20;
// How long reports may stay open while Return is typed into them again and again.
constexpr auto kStuckLimit = 20s;

} // namespace

void ErrorReports::CloseShowing(bool read) {
    // A report raised while another is open is modal over it, so the earlier one takes no keys
    // until the later one is closed: try the newest (topmost) first. A box that has only just
    // been mapped may not take the focus yet, and a program busy with a huge disc may answer
    // late, so a round that closes nothing is tried again for a while.
    constexpr auto kNotStuck = std::chrono::steady_clock::time_point::max();
    auto giveUpAt = kNotStuck;
    for (;;) {
        const std::vector<xcb_window_t> boxes = m_windows.ViewableCaptioned(kApplicationTitle);
        if (boxes.empty()) {
            return;
        }
        bool closedOne = false;
        for (auto box = boxes.rbegin(); box != boxes.rend() && !closedOne; ++box) {
            std::string text;
            if (read) {
                // The text is selectable with the mouse, and what is selected becomes the PRIMARY
                // selection. A short report is the box's first line, centred under its title.
                if (const std::optional<Rect> at = m_windows.Geometry(*box)) {
                    m_input.TripleClick(at->x + at->width / 2, at->y + kFirstLineY);
                    text = SelectionText(m_client, "PRIMARY", 2s).value_or("");
                }
            }
            m_input.TypeInto(*box, "Return");
            if (WaitFor([&] { return !m_windows.IsViewable(*box); }, 3s)) {
                closedOne = true;
                ++m_closed;
                if (read) {
                    m_texts.push_back(text);
                }
            }
        }
        const auto now = std::chrono::steady_clock::now();
        if (closedOne) {
            giveUpAt = kNotStuck;
        } else if (giveUpAt == kNotStuck) {
            giveUpAt = now + kStuckLimit;
        } else if (now > giveUpAt) {
            throw std::runtime_error("no error report closes on Return");
        }
    }
}

void ErrorReports::CloseUntilQuiet(std::chrono::milliseconds quiet, bool read) {
    auto lastSeen = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - lastSeen < quiet) {
        if (!m_windows.ViewableCaptioned(kApplicationTitle).empty()) {
            CloseShowing(read);
            lastSeen = std::chrono::steady_clock::now();
        }
        std::this_thread::sleep_for(25ms);
    }
}

} // namespace testkit
