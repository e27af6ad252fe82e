#include "tools/check/page_check.h"

#include "content/button_file.h"
#include "content/content_error.h"
#include "content/cp932.h"
#include "content/disc_layout.h"
#include "content/disc_path.h"
#include "content/file_read.h"
#include "content/launch_strip.h"
#include "tools/check/node_text.h"

namespace check {
namespace {

void FillButtons(const content::ButtonSlots& slots, DiscReport::Page& page) {
    const content::StripFill fill = content::FillLaunchStrip(slots);
    page.stripHeight = fill.height;
    for (int i = 0; i < content::kButtonCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const content::LaunchButtonState& button = fill.buttons[slot];
        if (!button.visible)
            continue;
        page.buttons.push_back({i, content::Cp932ToUtf8(button.caption),
                                content::Cp932ToUtf8(fill.targets[slot]), button.left, button.top,
                                button.width});
    }
}

// The button file of node k: filled into the page, or the reason there is none.
void CheckButtonsOfNode(const LoadOutcome& load, const content::DiscDirs& dirs,
                        content::FolderListings& listings, int k, DiscReport::Page& page,
                        Findings& findings) {
    const auto n = static_cast<std::size_t>(k);
    std::optional<content::ButtonSlots> slots;
    try {
        slots = content::ReadButtonsOfNode(dirs.htmlDir, load.buttonList, k, &listings);
    } catch (const content::ContentError& error) {
        // No button.txt line (told with the line counts), or a file that cannot be read: the
        // browser stops showing the page there.
        if (error.kind() == content::ErrorKind::Open) {
            page.buttonFile = content::Cp932ToUtf8(load.buttonList[n]);
            findings.push_back({Severity::Error, "unreadable-button-file", content::kButtonFile,
                                LineNo(n),
                                "the button file cannot be read (" + std::string(error.what()) +
                                    "): showing the page of " + NodeLabel(load.tree, k) +
                                    " stops silently, so the page never appears"});
        }
        return;
    }
    if (!slots) {
        page.stripHeight = 0;
        const std::string_view name = load.buttonList[n];
        if (!name.empty())
            findings.push_back(
                {Severity::Warning, "missing-button-file", content::kButtonFile, LineNo(n),
                 "the button file " + QuotedCp932(name) + " is missing (no file at " +
                     content::ResolveDiscPath(dirs.htmlDir, name, &listings) + "): the page of " +
                     NodeLabel(load.tree, k) + " shows without launch buttons"});
        return;
    }
    page.buttonFile = content::Cp932ToUtf8(load.buttonList[n]);
    FillButtons(*slots, page);
}

} // namespace

std::vector<DiscReport::Page> CheckPages(const LoadOutcome& load, const content::DiscDirs& dirs,
                                         content::FolderListings& listings, Findings& findings) {
    std::vector<DiscReport::Page> pages;
    for (int k = 0; k < load.tree.Count(); ++k) {
        const auto n = static_cast<std::size_t>(k);
        if (n >= load.htmlList.size() || load.htmlList[n].empty())
            continue;
        DiscReport::Page page;
        page.node = k;
        page.page = content::Cp932ToUtf8(load.htmlList[n]);
        const std::string path =
            content::ResolveDiscPath(dirs.htmlDir, load.htmlList[n], &listings);
        page.pageExists = content::IsRegularFile(path);
        if (!page.pageExists)
            findings.push_back({Severity::Error, "missing-page", content::kHtmlFile, LineNo(n),
                                "the page " + Quoted(page.page) + " of " + NodeLabel(load.tree, k) +
                                    " is missing (no file at " + path +
                                    "): the browser shows its own error page instead"});
        CheckButtonsOfNode(load, dirs, listings, k, page, findings);
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace check
