#include "tools/check/button_file_check.h"

#include "content/button_file.h"
#include "content/content_error.h"
#include "content/cp932.h"
#include "content/disc_path.h"
#include "content/file_read.h"
#include "content/folder_listings.h"
#include "content/line_rule.h"
#include "tools/check/file_findings.h"
#include "tools/check/node_text.h"

#include <set>
#include <sys/stat.h>

namespace check {
namespace {

constexpr std::size_t kReadLines = 2 * content::kButtonCount;

// A target may be a file or a folder: the shell opens either.
bool TargetExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void CheckPairs(const std::string& file, const content::StringList& lines, Findings& findings) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(content::kButtonCount); ++i) {
        const std::size_t caption = 2 * i;
        const std::size_t target = caption + 1;
        if (caption >= lines.size())
            break;
        if (target >= lines.size()) {
            if (!lines[caption].empty())
                findings.push_back({Severity::Warning, "caption-without-target", file,
                                    LineNo(caption),
                                    "the caption " + QuotedCp932(lines[caption]) +
                                        " has no target line after it (the file ends): the "
                                        "browser shows no button for it"});
        } else if (lines[caption].empty() && !lines[target].empty()) {
            findings.push_back({Severity::Warning, "empty-caption", file, LineNo(caption),
                                "empty caption before the target " + QuotedCp932(lines[target]) +
                                    ": button " + std::to_string(i) + " stays vacant"});
        }
    }
}

void CheckIgnoredLines(const std::string& file, const content::StringList& lines,
                       Findings& findings) {
    if (lines.size() <= kReadLines)
        return;
    bool text = false;
    for (std::size_t k = kReadLines; k < lines.size(); ++k)
        text = text || !lines[k].empty();
    findings.push_back({text ? Severity::Warning : Severity::Note, "ignored-button-lines", file,
                        LineNo(kReadLines),
                        "lines " + std::to_string(kReadLines + 1) + " to " +
                            std::to_string(lines.size()) +
                            " are ignored: a button file holds at most 12 caption and target "
                            "pairs (24 lines)"});
}

void CheckTargets(const std::string& file, const content::ButtonSlots& slots,
                  const std::string& htmlDir, content::FolderListings& listings,
                  Findings& findings) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const content::ButtonSlot& slot = slots[i];
        if (!slot.used)
            continue;
        const int line = LineNo(2 * i + 1);
        if (slot.target.empty()) {
            findings.push_back({Severity::Note, "empty-launch-target", file, line,
                                "the button " + QuotedCp932(slot.caption) +
                                    " has an empty target: it opens the content directory"});
            continue;
        }
        const std::string path = content::ResolveDiscPath(htmlDir, slot.target, &listings);
        if (!TargetExists(path))
            findings.push_back({Severity::Warning, "missing-launch-target", file, line,
                                "the target " + QuotedCp932(slot.target) + " of the button " +
                                    QuotedCp932(slot.caption) + " does not exist (" + path + ")"});
    }
}

} // namespace

std::vector<ButtonFileRef> ButtonFilesOf(const content::StringList& buttonList,
                                         const std::string& htmlDir,
                                         content::FolderListings& listings) {
    std::vector<ButtonFileRef> files;
    std::set<std::string> seen;
    for (const std::string_view name : buttonList) {
        if (name.empty())
            continue;
        std::string path = content::ResolveDiscPath(htmlDir, name, &listings);
        if (content::IsRegularFile(path) && seen.insert(path).second)
            files.push_back({std::string(name), std::move(path)});
    }
    return files;
}

void CheckButtonFile(const ButtonFileRef& ref, const std::string& htmlDir,
                     content::FolderListings& listings, Findings& findings) {
    std::string bytes;
    try {
        bytes = content::ReadWholeFile(ref.path);
    } catch (const content::ContentError&) {
        return; // the pages that use it say so
    }
    const std::string file = content::Cp932ToUtf8(ref.name);
    ByteScan scan = ScanFileBytes(file, bytes, FileRole::ButtonFile);
    findings.insert(findings.end(), scan.findings.begin(), scan.findings.end());

    const content::StringList lines = content::SplitLines(bytes);
    const content::ButtonSlots slots = content::ButtonSlotsFromLines(lines);
    CheckPairs(file, lines, findings);
    CheckIgnoredLines(file, lines, findings);
    CheckTargets(file, slots, htmlDir, listings, findings);
    bool any = false;
    for (const content::ButtonSlot& slot : slots)
        any = any || slot.used;
    if (!any)
        findings.push_back({Severity::Warning, "no-buttons", file, 0,
                            "yields no button: its pages show with the launch strip collapsed"});
}

} // namespace check
