#include "tools/check/start_check.h"

#include "content/content_error.h"
#include "content/disc_layout.h"
#include "tools/check/node_text.h"

namespace check {

DiscReport::Start CheckStart(const LoadOutcome& load, const content::DiscDirs& dirs,
                             Findings& findings) {
    DiscReport::Start start;
    try {
        const content::StartChoice choice = content::ChooseStart(dirs, load.tree, load.htmlList);
        if (choice.openPage)
            start.page = choice.openPage->substr(dirs.htmlDir.size());
        else
            start.node = choice.node;
        return start;
    } catch (const content::ContentError& error) {
        start.error = content::ErrorReportText(error.what());
        const std::string shows =
            "at start the browser reports " + Quoted(*start.error) + " and shows no page";
        if (!load.ListsLoaded()) {
            findings.push_back({Severity::Error, "no-start-page", content::kHtmlFile, 0,
                                "not read and there is no open.htm: " + shows});
        } else if (error.kind() == content::ErrorKind::ListIndex) {
            findings.push_back({Severity::Error, "no-start-page", content::kHtmlFile, 0,
                                "no line names a page and there is no open.htm: " + shows});
        } else {
            std::size_t first = 0;
            while (first < load.htmlList.size() && load.htmlList[first].empty())
                ++first;
            findings.push_back({Severity::Error, "no-start-page", content::kHtmlFile, LineNo(first),
                                "the first page line lies past the last tree line (" +
                                    std::to_string(load.tree.Count()) +
                                    " nodes) and there is no open.htm: " + shows});
        }
    }
    return start;
}

} // namespace check
