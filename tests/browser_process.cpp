#include "browser_process.h"

#include <fstream>
#include <sstream>

namespace whole_program {

BrowserProcess::BrowserProcess(const DiscCopy& disc, const std::optional<std::string>& display,
                               const std::vector<std::string>& environment)
    : m_log(disc.root() / "output.log") {
    // The HTML engine cannot use its sandbox as root and finds no GPU under Xvfb.
    std::vector<std::string> added{"QT_QPA_PLATFORM=xcb", "QTWEBENGINE_DISABLE_SANDBOX=1",
                                   "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"};
    if (display) {
        added.push_back("DISPLAY=" + *display);
    }
    added.insert(added.end(), environment.begin(), environment.end());
    // The rest of our own environment goes along, except what would point the program at
    // another display or another widget style than a bare X session gives it.
    m_process = std::make_unique<ChildProcess>(ChildOptions{
        {disc.program().string()},
        EnvironmentWith({"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_STYLE_OVERRIDE"}, added),
        m_log,
        -1});
}

std::string BrowserProcess::Output() const {
    std::ifstream log(m_log);
    std::ostringstream text;
    text << log.rdbuf();
    return text.str();
}

} // namespace whole_program
