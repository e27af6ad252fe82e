#pragma once

#include "window_finder.h"
#include "x_client.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace testkit {

// Every top-level window mapped on the display while the watch lives, as a window manager sees
// them: how often each was mapped and, where it could be read in time, its caption. A window
// replaced soon after it was mapped may be gone before its caption is read; it still counts.
// The watch has a connection of its own and must be made before the program starts.
class TopLevelWatch final {
public:
    explicit TopLevelWatch(const std::string& display);

    // Takes in what the server reported since the last look.
    void Look();

    // The top-level windows mapped so far, each once, and their maps in all.
    std::vector<xcb_window_t> Mapped() const;
    int Maps() const;
    // The caption a window carried when it was read; empty when it was gone before that.
    std::string CaptionOf(xcb_window_t window) const;

private:
    void ReadCaption(xcb_window_t window);

    XClient m_client;
    WindowFinder m_windows;
    xcb_atom_t m_wmName;
    xcb_atom_t m_netWmName;
    std::map<xcb_window_t, std::string> m_captions;
    std::map<xcb_window_t, int> m_maps;
};

} // namespace testkit
