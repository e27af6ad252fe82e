#include "tools/check/list_check.h"

#include "content/content_error.h"
#include "content/cp932.h"
#include "content/disc_layout.h"
#include "content/page_keys.h"
#include "tools/check/node_text.h"

#include <algorithm>
#include <optional>
#include <set>

namespace check {
namespace {

using content::StringList;

// The smallest html.txt line a link to the page of line k selects, as the browser matches it;
// nullopt when the content directory has no Shift-JIS name, so no link matches at all.
class LinkMatcher final {
public:
    LinkMatcher(const content::DiscDirs& dirs, const StringList& htmlList)
        : m_dirKey(content::LocalPathKey(dirs.htmlDir)), m_table(dirs.htmlDir, htmlList) {}

    std::optional<long long> LineOfLink(std::string_view line) const {
        if (!m_dirKey)
            return std::nullopt;
        return m_table.Find(*m_dirKey + content::LowerAscii(line));
    }

private:
    std::optional<std::string> m_dirKey;
    content::PageKeyTable m_table;
};

void AddBlankNodes(const content::ContentTree& tree, const std::vector<int>& addedEmpty,
                   Findings& findings) {
    // A file of LF CR line ends adds an empty line for every line it has.
    const std::set<int> added(addedEmpty.begin(), addedEmpty.end());
    for (int k = 0; k < tree.Count(); ++k) {
        const int line = LineNo(static_cast<std::size_t>(k));
        if (tree.TextOf(k).empty() && !added.contains(line))
            findings.push_back({Severity::Warning, "blank-tree-line", content::kTreeFile, line,
                                "blank line: the tree shows an entry with no text (node " +
                                    std::to_string(k) + ")"});
    }
}

void AddCountMismatch(const char* file, std::size_t lines, int nodes, Findings& findings) {
    if (lines == static_cast<std::size_t>(nodes))
        return;
    findings.push_back({Severity::Warning, "line-count-mismatch", file, 0,
                        "has " + std::to_string(lines) + " lines but tree.txt has " +
                            std::to_string(nodes) +
                            ": each tree line needs its own line here (empty when it has none)"});
}

void AddNodesWithoutLines(const LoadOutcome& load, Findings& findings) {
    const content::ContentTree& tree = load.tree;
    for (int k = 0; k < tree.Count(); ++k) {
        const auto n = static_cast<std::size_t>(k);
        const int line = LineNo(n);
        if (n >= load.htmlList.size()) {
            findings.push_back(
                {Severity::Error, "no-html-line", content::kTreeFile, line,
                 "html.txt has no line for " + NodeLabel(tree, k) +
                     ": selecting it makes the browser report " +
                     Quoted(content::ErrorReportText(content::ListIndexError(k).what()))});
        } else if (!load.htmlList[n].empty() && n >= load.buttonList.size()) {
            findings.push_back({Severity::Error, "no-button-line", content::kTreeFile, line,
                                "button.txt has no line for " + NodeLabel(tree, k) +
                                    ": showing its page stops silently, so the page never "
                                    "appears"});
        }
    }
}

void AddHtmlLines(const LoadOutcome& load, const LinkMatcher& links, Findings& findings) {
    const auto nodes = static_cast<std::size_t>(load.tree.Count());
    for (std::size_t k = 0; k < load.htmlList.size(); ++k) {
        const std::string_view page = load.htmlList[k];
        if (page.empty())
            continue;
        const std::optional<long long> first = links.LineOfLink(page);
        const bool linkPicksThis = first && static_cast<std::size_t>(*first) == k;
        const std::string firstLine = first ? std::to_string(*first + 1) : "";
        if (k >= nodes) {
            findings.push_back(
                {linkPicksThis ? Severity::Warning : Severity::Note, "page-line-past-tree",
                 content::kHtmlFile, LineNo(k),
                 "past the last tree line (" + std::to_string(nodes) +
                     " nodes): no node shows this page" +
                     (linkPicksThis
                          ? "; following a link to it makes the browser report " +
                                Quoted(content::ErrorReportText(content::IndexError().what()))
                          : "")});
        } else if (first && !linkPicksThis) {
            findings.push_back(
                {Severity::Note, "same-page-twice", content::kHtmlFile, LineNo(k),
                 "same page as line " + firstLine + ": following a link to it selects " +
                     NodeLabel(load.tree, static_cast<int>(*first)) + ", not this node"});
        }
    }
}

void AddUnusedButtonLines(const LoadOutcome& load, Findings& findings) {
    const auto nodes = static_cast<std::size_t>(load.tree.Count());
    for (std::size_t k = 0; k < load.buttonList.size(); ++k) {
        if (load.buttonList[k].empty())
            continue;
        if (k >= nodes)
            findings.push_back(
                {Severity::Note, "button-line-past-tree", content::kButtonFile, LineNo(k),
                 "past the last tree line (" + std::to_string(nodes) + " nodes): never used"});
        else if (k >= load.htmlList.size() || load.htmlList[k].empty())
            findings.push_back(
                {Severity::Note, "unused-button-line", content::kButtonFile, LineNo(k),
                 "never used: " + NodeLabel(load.tree, static_cast<int>(k)) + " has no page"});
    }
}

} // namespace

void AddListFindings(const LoadOutcome& load, const content::DiscDirs& dirs,
                     const std::vector<int>& addedEmptyTreeLines, Findings& findings) {
    AddBlankNodes(load.tree, addedEmptyTreeLines, findings);
    if (!load.ListsLoaded())
        return; // the load findings say why every selection fails
    AddCountMismatch(content::kHtmlFile, load.htmlList.size(), load.tree.Count(), findings);
    AddCountMismatch(content::kButtonFile, load.buttonList.size(), load.tree.Count(), findings);
    AddNodesWithoutLines(load, findings);
    AddHtmlLines(load, LinkMatcher(dirs, load.htmlList), findings);
    AddUnusedButtonLines(load, findings);
}

} // namespace check
