#include "open_process.h"

#include "test_images.h"

#include <cstdlib>

namespace whole_program {

OpenProcess::OpenProcess(const std::vector<std::string>& args,
                         const std::optional<std::string>& display,
                         const std::filesystem::path& work)
    : m_log(work / "open.log") {
    std::vector<std::string> added{"QT_QPA_PLATFORM=xcb", "QTWEBENGINE_DISABLE_SANDBOX=1",
                                   "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu",
                                   "XDG_CACHE_HOME=" + (work / "cache").string(),
                                   "PATH=" + (work / "bin").string() + ':' + std::getenv("PATH")};
    if (display)
        added.push_back("DISPLAY=" + *display);
    std::vector<std::string> argv{QUILCD_OPEN};
    argv.insert(argv.end(), args.begin(), args.end());
    std::error_code ignored;
    std::filesystem::remove(m_log, ignored);
    m_process = std::make_unique<ChildProcess>(
        ChildOptions{argv,
                     EnvironmentWith({"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY",
                                      "QT_STYLE_OVERRIDE", "XDG_CACHE_HOME", "PATH"},
                                     added),
                     m_log, -1});
}

std::string OpenProcess::Output() const {
    return test_images::ReadFile(m_log);
}

} // namespace whole_program
