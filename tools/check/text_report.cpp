#include "tools/check/text_report.h"

#include "tools/check/kind_name.h"

#include <map>

namespace check {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string StartText(const DiscReport& report) {
    const DiscReport::Start& start = report.start;
    if (start.page)
        return "the page " + *start.page;
    if (start.error)
        return "the error report " + Quoted(*start.error) + ", no page";
    std::string text = "node " + std::to_string(start.node);
    if (start.node >= 0 && static_cast<std::size_t>(start.node) < report.tree.size())
        text += " " + Quoted(report.tree[static_cast<std::size_t>(start.node)].text);
    return text;
}

namespace {

std::string PageText(const DiscReport::Page& page) {
    std::string text = "page " + page.page;
    if (!page.pageExists)
        text += " (missing)";
    if (!page.stripHeight)
        return text + "; the page never shows (see the findings)";
    if (page.buttons.empty())
        return text + "; no launch buttons";
    return text + "; " + std::to_string(page.buttons.size()) + " launch button" +
           (page.buttons.size() == 1 ? "" : "s") + " from " + page.buttonFile.value_or("") +
           ", strip height " + std::to_string(*page.stripHeight);
}

void AppendTree(const DiscReport& report, std::string& out) {
    std::map<int, const DiscReport::Page*> pages;
    for (const DiscReport::Page& page : report.pages)
        pages[page.node] = &page;
    out += "Tree (" + std::to_string(report.tree.size()) + " nodes):\n";
    for (const DiscReport::TreeEntry& node : report.tree) {
        const std::string indent(2 * static_cast<std::size_t>(node.level), ' ');
        out += "  " + std::to_string(node.index) + "\t" + indent + Quoted(node.text);
        if (node.kind != content::NodeKind::Entry)
            out += " [" + std::string(KindName(node.kind)) + (node.expanded ? ", open" : "") + "]";
        const auto it = pages.find(node.index);
        if (it != pages.end()) {
            out += "  " + PageText(*it->second) + "\n";
            for (const DiscReport::Button& b : it->second->buttons)
                out += "   \t" + indent + "    button " + std::to_string(b.slot) + " " +
                       Quoted(b.caption) + " -> " + b.target + " (left " + std::to_string(b.left) +
                       ", top " + std::to_string(b.top) + ", width " + std::to_string(b.width) +
                       ")\n";
        } else {
            out += "\n";
        }
    }
}

std::string Count(std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

} // namespace

std::string InfoText(const DiscReport& report) {
    return report.info ? Quoted(*report.info)
                       : Quoted(kInfoDesignText) + " (the design text stays)";
}

std::string LoadText(const DiscReport& report) {
    return report.loadError ? "ended early: " + *report.loadError : std::string("complete");
}

std::string FindingLine(const Finding& finding) {
    std::string line = finding.file.empty() ? "disc" : finding.file;
    for (const std::string& number : {LineText(finding), ColumnText(finding)}) {
        if (!number.empty())
            line += ':' + number;
    }
    line += ": ";
    line += SeverityName(finding.severity);
    line += ": ";
    line += finding.message;
    line += " [";
    line += finding.code;
    line += ']';
    return line;
}

std::string TextReport(const DiscReport& report) {
    std::string out;
    out += "Program directory: " + report.programDir + "\n";
    out += "Content directory: " + report.htmlDir + "\n";
    out += "Issue label:       " + InfoText(report) + "\n";
    out += "Load:              " + LoadText(report) + "\n";
    out += "Start:             " + StartText(report) + "\n\n";
    AppendTree(report, out);

    out += "\nFindings:\n";
    for (const Finding& finding : report.problems)
        out += FindingLine(finding) + "\n";
    if (report.problems.empty())
        out += "none\n";
    const std::array<std::size_t, 3> counts = report.Counts();
    out += "\n" + Count(counts[0], "error") + ", " + Count(counts[1], "warning") + ", " +
           Count(counts[2], "note");
    if (report.silenced)
        out += "; " + std::to_string(*report.silenced) + " silenced";
    out += "\n";
    return out;
}

} // namespace check
