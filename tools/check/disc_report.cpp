#include "tools/check/disc_report.h"

#include "content/content_error.h"
#include "content/cp932.h"
#include "content/disc_layout.h"
#include "content/file_read.h"
#include "content/folder_listings.h"
#include "tools/check/button_file_check.h"
#include "tools/check/file_findings.h"
#include "tools/check/list_check.h"
#include "tools/check/load_check.h"
#include "tools/check/page_check.h"
#include "tools/check/page_reference_check.h"
#include "tools/check/start_check.h"

#include <algorithm>
#include <map>

namespace check {
namespace {

struct ListFile {
    const char* name;
    FileRole role;
};
constexpr ListFile kListFiles[] = {{content::kTreeFile, FileRole::Tree},
                                   {content::kButtonFile, FileRole::List},
                                   {content::kHtmlFile, FileRole::List},
                                   {content::kInitFile, FileRole::Init}};

// The byte faults of every list file there is, read or not by the browser: an editor fixing
// the first fault should not meet the next one only on the following run. Returns the tree.txt
// lines that LF CR line ends add.
std::vector<int> ScanListFiles(const content::DiscDirs& dirs, Findings& findings) {
    std::vector<int> addedEmptyTreeLines;
    for (const ListFile& file : kListFiles) {
        std::string bytes;
        try {
            bytes = content::ReadWholeFile(dirs.programDir + file.name);
        } catch (const content::ContentError&) {
            continue; // told by the load findings when the browser needs the file
        }
        ByteScan scan = ScanFileBytes(file.name, bytes, file.role);
        findings.insert(findings.end(), scan.findings.begin(), scan.findings.end());
        if (file.role == FileRole::Tree)
            addedEmptyTreeLines = std::move(scan.addedEmptyLines);
    }
    return addedEmptyTreeLines;
}

std::vector<DiscReport::TreeEntry> TreeEntries(const LoadOutcome& load) {
    // One flag per node: a disc may open hundreds of thousands of groups.
    std::vector<bool> opened(static_cast<std::size_t>(load.tree.Count()), false);
    for (const int i : load.expanded)
        opened[static_cast<std::size_t>(i)] = true;
    std::vector<DiscReport::TreeEntry> entries;
    for (int i = 0; i < load.tree.Count(); ++i)
        entries.push_back({i, load.tree[i].level, content::Cp932ToUtf8(load.tree.TextOf(i)),
                           load.tree.KindOf(i), opened[static_cast<std::size_t>(i)]});
    return entries;
}

std::vector<std::string> Converted(const content::StringList& list) {
    std::vector<std::string> out;
    out.reserve(list.size());
    for (const std::string_view line : list)
        out.push_back(content::Cp932ToUtf8(line));
    return out;
}

// The list files in the order the browser reads them, then the button files and the pages in
// the order they were found; within a file by line and column, whole-file findings first.
void SortFindings(Findings& findings) {
    std::map<std::string, int> rank{{"", 0},
                                    {content::kTreeFile, 1},
                                    {content::kButtonFile, 2},
                                    {content::kHtmlFile, 3},
                                    {content::kInitFile, 4}};
    for (const Finding& finding : findings)
        rank.try_emplace(finding.file, static_cast<int>(rank.size()));
    std::stable_sort(findings.begin(), findings.end(), [&](const Finding& a, const Finding& b) {
        const int ra = rank[a.file];
        const int rb = rank[b.file];
        if (ra != rb)
            return ra < rb;
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
}

} // namespace

bool DiscReport::HasErrors() const {
    return std::any_of(problems.begin(), problems.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

std::array<std::size_t, 3> DiscReport::Counts() const {
    std::array<std::size_t, 3> counts{};
    for (const Finding& finding : problems)
        ++counts[static_cast<std::size_t>(finding.severity)];
    return counts;
}

DiscReport BuildDiscReport(const content::DiscDirs& dirs) {
    DiscReport report;
    report.programDir = dirs.programDir;
    report.htmlDir = dirs.htmlDir;

    const LoadOutcome load = RunLoad(dirs);
    AddLoadFindings(load, report.problems);
    const std::vector<int> addedEmptyTreeLines = ScanListFiles(dirs, report.problems);

    report.tree = TreeEntries(load);
    report.htmlList = Converted(load.htmlList);
    report.buttonList = Converted(load.buttonList);
    if (load.infoCp932)
        report.info = content::Cp932ToUtf8(*load.infoCp932);
    if (load.error)
        report.loadError = load.error->what();

    // Every lookup of the run shares the folders' listings: each folder is read once.
    content::FolderListings listings;
    AddListFindings(load, dirs, addedEmptyTreeLines, report.problems);
    report.pages = CheckPages(load, dirs, listings, report.problems);
    for (const ButtonFileRef& file : ButtonFilesOf(load.buttonList, dirs.htmlDir, listings))
        CheckButtonFile(file, dirs.htmlDir, listings, report.problems);
    report.start = CheckStart(load, dirs, report.problems);
    CheckPageReferences(load, dirs, listings, report.problems);
    SortFindings(report.problems);
    return report;
}

} // namespace check
