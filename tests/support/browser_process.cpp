#include "browser_process.h"

#include "files.h"

#include <sstream>

namespace testkit {

BrowserProcess::BrowserProcess(const ProgramStart& start, const std::filesystem::path& log)
    : m_log(log) {
    std::vector<std::string> removed{"DISPLAY",
                                     "WAYLAND_DISPLAY",
                                     "XAUTHORITY",
                                     "QT_STYLE_OVERRIDE",
                                     "QTWEBENGINE_DISABLE_SANDBOX",
                                     "QTWEBENGINE_CHROMIUM_FLAGS"};
    std::vector<std::string> added{"QT_QPA_PLATFORM=xcb"};
    if (start.engineSwitches)
        added.insert(added.end(),
                     {"QTWEBENGINE_DISABLE_SANDBOX=1", "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"});
    if (start.display)
        added.push_back("DISPLAY=" + *start.display);
    added.insert(added.end(), start.environment.begin(), start.environment.end());
    std::error_code ignored;
    std::filesystem::remove(m_log, ignored); // a log of an earlier start of its own
    m_process = std::make_unique<ChildProcess>(
        ChildOptions{start.argv, EnvironmentWith(removed, added), m_log, -1});
}

BrowserProcess::BrowserProcess(const DiscCopy& disc, const std::optional<std::string>& display,
                               const std::vector<std::string>& environment)
    : BrowserProcess(ProgramStart{{disc.program().string()}, display, environment},
                     disc.root() / "output.log") {}

std::string BrowserProcess::Output() const {
    return ReadFile(m_log);
}

std::string BrowserProcess::State() {
    std::ostringstream state;
    if (const std::optional<ExitStatus> status = WaitForExit(std::chrono::milliseconds(0)))
        state << "ended with " << *status;
    else
        state << "still running";
    state << "; output:\n" << Output();
    return state.str();
}

} // namespace testkit
