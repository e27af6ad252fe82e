#include "app/shared_state_lifetime.h"

#include "app/common/disc_location.h"
#include "app/common/normalize_path.h"
#include "content/disc_path.h"
#include "pageview/html_engine.h"
#include "ui/unit1.h"

void StartUpSharedState(const std::string& programDir) {
    // The HTML engine first, on this thread, before any window and view exist.
    StartHtmlEngine();
    const std::string exe = common::RunningExecutablePath();
    ProgramDir = common::NormalizePath(
        programDir.empty() ? common::ProgramDirOf(exe, content::kPathDelim) : programDir,
        content::kPathDelim);
    HtmlDir = common::HtmlDirOf(ProgramDir, content::kPathDelim);
    HtmlList = std::make_unique<content::StringList>();
    ButtonList = std::make_unique<content::StringList>();
}

void ShutDownSharedState() {
    StopHtmlEngine();
    HtmlList.reset();
    ButtonList.reset();
    for (std::string& target : ButtonTargets)
        target.clear();
    HtmlDir.clear();
    ProgramDir.clear();
}
