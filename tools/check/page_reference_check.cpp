#include "tools/check/page_reference_check.h"

#include "pages/page_crawl.h"
#include "pages/page_name.h"
#include "pages/text_positions.h"
#include "tools/check/node_text.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>

namespace check {
namespace {

namespace fs = std::filesystem;
using pages::ReferenceKind;
using pages::ResolvedReference;
using State = pages::ReferenceTarget::State;

// What the reader meets where a reference leads nowhere.
std::string MissingEffect(ReferenceKind kind) {
    switch (kind) {
    case ReferenceKind::Link:
        return "following the link shows the view's error page";
    case ReferenceKind::Frame:
        return "the frame shows the view's error page";
    case ReferenceKind::Refresh:
        return "the page moves on to the view's error page by itself";
    case ReferenceKind::Picture:
        return "the page shows a broken picture or none";
    case ReferenceKind::Script:
        return "the page runs without the script";
    case ReferenceKind::StyleSheet:
        return "the page shows without the style sheet";
    }
    return "";
}

Severity MissingSeverity(ReferenceKind kind) {
    return pages::Navigates(kind) ? Severity::Error : Severity::Warning;
}

// The findings of one page.
class PageFindings final {
public:
    explicit PageFindings(std::string name) : m_name(std::move(name)) {}

    void Add(Severity severity, const char* code, int line, int column, std::string message,
             std::optional<std::string> reference = std::nullopt) {
        m_findings.push_back(
            {severity, code, m_name, line, std::move(message), column, std::move(reference)});
    }

    void Check(const ResolvedReference& resolved, pages::TextPosition at) {
        const pages::PageReference& reference = *resolved.reference;
        const content::JoinedReference& joined = resolved.joined;
        const std::string what = reference.where + " " + Quoted(reference.text);
        const auto add = [&](Severity severity, const char* code, const std::string& message) {
            Add(severity, code, at.line, at.column, what + ": " + message, reference.text);
        };
        if (joined.kind == content::JoinedReference::Kind::OtherHost) {
            add(Severity::Error, "outside-disc",
                "names a file on the machine " + Quoted(joined.host) +
                    ", never on the disc: the view blocks it");
            return;
        }
        const pages::ReferenceTarget& target = *resolved.target;
        switch (target.state) {
        case State::Outside:
            add(Severity::Error, "outside-disc",
                "leads outside the disc (" + target.path + "): the view blocks it, so " +
                    MissingEffect(reference.kind));
            return;
        case State::Missing:
            add(MissingSeverity(reference.kind), "missing-target",
                "no such file on the disc (" + target.path + "): " + MissingEffect(reference.kind));
            return;
        case State::Unreachable:
            add(MissingSeverity(reference.kind), "missing-target",
                "cannot be loaded (" + target.path + ": " + target.reason +
                    "): " + MissingEffect(reference.kind));
            return;
        case State::Found:
            break;
        }
        if (resolved.listedTarget && reference.kind == ReferenceKind::Frame) {
            add(Severity::Warning, "frame-of-listed-page",
                "loads a page html.txt lists: the tree moves to that page's entry, which shows "
                "the page in the whole view in place of this frameset");
        } else if (resolved.listedTarget && (joined.query || joined.fragment)) {
            add(Severity::Note, "fragment-to-listed-page",
                std::string("leads to a page html.txt lists, but with its ") +
                    (joined.query ? "query (?…)" : "fragment (#…)") +
                    " the tree does not move to that page's entry");
        }
    }

    Findings Take() { return std::move(m_findings); }

private:
    std::string m_name;
    Findings m_findings;
};

std::string SkipMessage(const pages::SkippedPage& page) {
    switch (page.why) {
    case pages::Unread::TooLarge:
        return "is larger than 1 GiB: its references are not checked";
    case pages::Unread::Unreadable:
        return "cannot be read (not a regular file or no permission): the view shows its error "
               "page instead";
    case pages::Unread::Binary:
        return "holds NUL bytes: it is no text but binary data, which the view shows as garbage; "
               "its references are not checked";
    case pages::Unread::NotParsed:
        return "the HTML parser gave up on it (its elements nest thousands deep?): its "
               "references are not checked";
    case pages::Unread::Failed:
        break;
    }
    return "could not be read to the end (" + page.detail + "): its references are not checked";
}

Severity SkipSeverity(pages::Unread why) {
    switch (why) {
    case pages::Unread::Unreadable:
        return Severity::Error;
    case pages::Unread::Binary:
        return Severity::Warning;
    default:
        return Severity::Note;
    }
}

const char* SkipCode(pages::Unread why) {
    switch (why) {
    case pages::Unread::Unreadable:
        return "unreadable-page";
    case pages::Unread::Binary:
        return "binary-page";
    default:
        return "page-not-parsed";
    }
}

// What the reader sees where a link's fragment names no place of its page.
std::string NoAnchorEffect(ReferenceKind kind, bool samePage) {
    if (samePage)
        return "following the link leaves the view where it is";
    switch (kind) {
    case ReferenceKind::Frame:
        return "the frame shows the page from its top";
    case ReferenceKind::Refresh:
        return "the page moves on to it, shown from its top";
    default:
        return "following the link shows the page from its top";
    }
}

// A fragment to look for once every page's anchors are known.
struct AnchorToFind {
    std::size_t order = 0; // of the page that names it
    std::string page;      // that page's name
    pages::TextPosition at;
    ReferenceKind kind = ReferenceKind::Link;
    std::string where;
    std::string text;
    std::string fragment;
    pages::FileId target;
    std::string targetName;
    bool samePage = false;
};

// Collects each page's findings as the crawl reads it, several pages at a time; they are told
// in the order of the crawl, the same on every run. A link's fragment is looked for among its
// page's anchors once the crawl has read every page.
class ReferenceChecker final : public pages::PageVisitor {
public:
    explicit ReferenceChecker(const std::string& htmlDir) : m_htmlDir(htmlDir) {}

    void Visit(const pages::VisitedPage& page) override {
        const std::string name = pages::PageName(m_htmlDir, page.path);
        PageFindings findings(name);
        std::vector<AnchorToFind> anchors;
        pages::TextPositions positions(page.read.page.text);
        for (const ResolvedReference& resolved : page.references) {
            const pages::TextPosition at = positions.At(resolved.reference->offset);
            if (NamesAnchor(resolved)) {
                const pages::PageReference& reference = *resolved.reference;
                anchors.push_back(
                    {page.order, name, at, reference.kind, reference.where, reference.text,
                     resolved.joined.fragmentText,
                     resolved.samePage ? page.id : resolved.target->id,
                     resolved.samePage ? name : pages::PageName(m_htmlDir, resolved.target->path),
                     resolved.samePage});
            }
            // A jump within the page itself loads nothing.
            if (!resolved.samePage)
                findings.Check(resolved, at);
        }
        Keep(page.order, findings.Take(), page.id, page.read.page.scan.anchors, std::move(anchors));
    }

    void Skip(const pages::SkippedPage& page) override {
        PageFindings findings(pages::PageName(m_htmlDir, page.path));
        findings.Add(SkipSeverity(page.why), SkipCode(page.why), 0, 0, SkipMessage(page));
        const std::lock_guard lock(m_mutex);
        m_pages.emplace_back(page.order, findings.Take());
    }

    // Each link's fragment that names no place of its page, among the findings of the page
    // that has the link. A page that could not be read has no anchors to tell of.
    void FindAnchors() {
        for (const AnchorToFind& anchor : m_anchorsToFind) {
            const auto found = m_anchors.find(anchor.target);
            if (found == m_anchors.end() || pages::FragmentFound(found->second, anchor.fragment))
                continue;
            PageFindings findings(anchor.page);
            findings.Add(
                Severity::Warning, "missing-anchor", anchor.at.line, anchor.at.column,
                anchor.where + " " + Quoted(anchor.text) + ": " +
                    (anchor.samePage ? std::string("this page") : Quoted(anchor.targetName)) +
                    " has no anchor " + Quoted(anchor.fragment) +
                    " (no <a name> and no element with that id): " +
                    NoAnchorEffect(anchor.kind, anchor.samePage),
                anchor.text);
            m_pages.emplace_back(anchor.order, findings.Take());
        }
    }

    void AppendTo(Findings& findings) {
        std::stable_sort(m_pages.begin(), m_pages.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [order, page] : m_pages)
            findings.insert(findings.end(), std::make_move_iterator(page.begin()),
                            std::make_move_iterator(page.end()));
    }

private:
    // A link, frame or refresh to a page, with a fragment.
    static bool NamesAnchor(const ResolvedReference& resolved) {
        return pages::Navigates(resolved.reference->kind) && resolved.joined.fragment &&
               (resolved.samePage || (resolved.target && resolved.target->state == State::Found &&
                                      resolved.target->page));
    }

    void Keep(std::size_t order, Findings findings, pages::FileId page,
              const pages::PageAnchors& anchors, std::vector<AnchorToFind> toFind) {
        const std::lock_guard lock(m_mutex);
        m_pages.emplace_back(order, std::move(findings));
        m_anchors.try_emplace(page, anchors);
        m_anchorsToFind.insert(m_anchorsToFind.end(), std::make_move_iterator(toFind.begin()),
                               std::make_move_iterator(toFind.end()));
    }

    const std::string& m_htmlDir;
    std::mutex m_mutex;
    std::vector<std::pair<std::size_t, Findings>> m_pages;
    std::map<pages::FileId, pages::PageAnchors> m_anchors;
    std::vector<AnchorToFind> m_anchorsToFind;
};

void AddUnreachedPages(const content::DiscDirs& dirs, const std::set<pages::FileId>& seen,
                       Findings& findings) {
    std::vector<std::string> unreached;
    std::error_code error;
    fs::recursive_directory_iterator it(dirs.htmlDir, fs::directory_options::skip_permission_denied,
                                        error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string path = it->path().string();
        if (!pages::IsHtmlName(path))
            continue;
        const std::optional<pages::FileId> id = pages::RegularFileId(path);
        if (id && !seen.contains(*id))
            unreached.push_back(pages::PageName(dirs.htmlDir, path));
    }
    std::sort(unreached.begin(), unreached.end());
    for (const std::string& page : unreached)
        findings.push_back({Severity::Note, "unreachable-page", page, 0,
                            "no listed page, no start page and no link leads to this page: no "
                            "reader ever sees it"});
}

} // namespace

void CheckPageReferences(const LoadOutcome& load, const content::DiscDirs& dirs,
                         content::FolderListings& listings, Findings& findings) {
    ReferenceChecker checker(dirs.htmlDir);
    pages::CrawlOptions options;
    options.listings = &listings;
    const std::set<pages::FileId> seen =
        pages::CrawlDiscPages(dirs, load.htmlList, checker, options);
    checker.FindAnchors();
    checker.AppendTo(findings);
    // Without the lists the browser shows no page at all, which the load findings say.
    if (load.ListsLoaded())
        AddUnreachedPages(dirs, seen, findings);
}

} // namespace check
