#include "tools/check/load_check.h"

#include "content/disc_layout.h"
#include "tools/check/disc_report.h"
#include "tools/check/node_text.h"

namespace check {
namespace {

// Stands in for the window: keeps what the load block hands it.
class RecordingTarget final : public content::LoadTarget {
public:
    explicit RecordingTarget(LoadOutcome& outcome) : m_outcome(outcome) {}
    void BeginTreeBuild() override {}
    void EndTreeBuild() override {}
    void ExpandNode(int index) override { m_outcome.expanded.push_back(index); }
    void SetInfoCaption(const std::string& captionCp932) override {
        m_outcome.infoCp932 = captionCp932;
    }
    void RepaintTree() override {}
    void CollapseStrip() override {}
    void ShowStartPage(const std::string&) override {}
    void SelectStartNode(int) override {}

private:
    LoadOutcome& m_outcome;
};

// Which file failed: the open error names its path, the level error only comes from tree.txt
// and the list index error only from the first line of init.txt.
LoadStep StepOf(const content::ContentError& error, const content::DiscDirs& dirs) {
    const std::string_view text = error.what();
    switch (error.kind()) {
    case content::ErrorKind::Level:
        return LoadStep::Tree;
    case content::ErrorKind::ListIndex:
        return LoadStep::Init;
    case content::ErrorKind::Index:
        return LoadStep::Unknown;
    case content::ErrorKind::Open:
        break;
    }
    const std::pair<const char*, LoadStep> files[] = {{content::kTreeFile, LoadStep::Tree},
                                                      {content::kButtonFile, LoadStep::Button},
                                                      {content::kHtmlFile, LoadStep::Html},
                                                      {content::kInitFile, LoadStep::Init}};
    for (const auto& [name, step] : files)
        if (text == content::OpenError(dirs.programDir + name).what())
            return step;
    return LoadStep::Unknown;
}

// What the browser leaves out when the block ends at the given file.
std::string SkippedText(LoadStep step) {
    std::string unread;
    switch (step) {
    case LoadStep::Tree:
        unread = "button.txt, html.txt and init.txt are not read";
        break;
    case LoadStep::Button:
        unread = "html.txt and init.txt are not read";
        break;
    case LoadStep::Html:
        unread = "init.txt is not read";
        break;
    default:
        break;
    }
    return "the rest of the load is skipped: " + unread +
           ", no group is opened, the issue label keeps its design text " +
           Quoted(kInfoDesignText) + " and selecting any node reports the list index error";
}

std::string FileOf(LoadStep step) {
    switch (step) {
    case LoadStep::Tree:
        return content::kTreeFile;
    case LoadStep::Button:
        return content::kButtonFile;
    case LoadStep::Html:
        return content::kHtmlFile;
    case LoadStep::Init:
        return content::kInitFile;
    default:
        return "";
    }
}

} // namespace

LoadOutcome RunLoad(const content::DiscDirs& dirs) {
    LoadOutcome outcome;
    RecordingTarget target(outcome);
    outcome.error =
        content::RunLoadBlock(dirs, outcome.tree, outcome.htmlList, outcome.buttonList, target);
    if (outcome.error)
        outcome.failedAt = StepOf(*outcome.error, dirs);
    return outcome;
}

void AddLoadFindings(const LoadOutcome& load, Findings& findings) {
    if (!load.error)
        return;
    const std::string file = FileOf(load.failedAt);
    const std::string text = Quoted(load.error->what());
    if (load.error->kind() == content::ErrorKind::Level) {
        const int kept = load.tree.Count();
        const int before = kept > 0 ? load.tree[kept - 1].level : 0;
        findings.push_back({Severity::Error, "level-jump", file,
                            LineNo(static_cast<std::size_t>(kept)),
                            "indented two or more levels deeper than the line before (level " +
                                std::to_string(before) + "): the browser stops reading the tree " +
                                "here and keeps only the " + std::to_string(kept) +
                                " lines above; its error, never shown: " + text});
        findings.push_back({Severity::Note, "load-skipped", file, 0, SkippedText(load.failedAt)});
        return;
    }
    switch (load.failedAt) {
    case LoadStep::Tree:
    case LoadStep::Button:
    case LoadStep::Html:
        findings.push_back(
            {Severity::Error, "unreadable-list", file, 0,
             "cannot be opened (missing, not a regular file or not readable): " + text});
        findings.push_back({Severity::Note, "load-skipped", file, 0, SkippedText(load.failedAt)});
        break;
    case LoadStep::Init:
        findings.push_back(
            {Severity::Error, "init-not-read", file, 0,
             std::string(load.error->kind() == content::ErrorKind::ListIndex
                             ? "has no line"
                             : "cannot be opened (missing, not a regular file or not readable)") +
                 ": the issue label keeps its design text " + Quoted(kInfoDesignText)});
        break;
    case LoadStep::Done:
    case LoadStep::Unknown:
        findings.push_back(
            {Severity::Error, "load-ended", "", 0, "reading the disc ends early: " + text});
        break;
    }
}

} // namespace check
