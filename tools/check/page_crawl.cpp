#include "tools/check/page_crawl.h"

#include "content/content_error.h"
#include "content/disc_confinement.h"
#include "content/disc_layout.h"
#include "content/disc_path.h"
#include "content/file_read.h"
#include "content/page_reference.h"
#include "tools/check/node_text.h"
#include "tools/check/page_charset.h"
#include "tools/check/page_scan.h"
#include "tools/check/reference_target.h"
#include "tools/check/text_positions.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <thread>

namespace check {
namespace {

namespace fs = std::filesystem;
using State = ReferenceTarget::State;

// Positions in a page are gumbo's 32-bit offsets; no real page comes near.
constexpr std::uintmax_t kLargestPage = std::uintmax_t{1} << 30;
constexpr unsigned kMostReaders = 8;

struct PageToRead {
    std::string path;
    FileId id;
};

struct PageResult {
    Findings findings;
    std::vector<PageToRead> reached; // pages its links and frames lead to
};

// What every reader shares: read only, but for the finder, which locks.
struct Disc {
    const content::DiscDirs& dirs;
    TargetFinder& targets;
    const std::set<FileId>& listed;
};

bool Navigates(ReferenceKind kind) {
    return kind == ReferenceKind::Link || kind == ReferenceKind::Frame ||
           kind == ReferenceKind::Refresh;
}

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
    return Navigates(kind) ? Severity::Error : Severity::Warning;
}

class PageReader final {
public:
    explicit PageReader(const Disc& disc) : m_disc(disc) {}

    PageResult Read(const PageToRead& page) {
        m_result = {};
        m_name = PageName(m_disc.dirs.htmlDir, page.path);
        try {
            ReadPage(page.path);
        } catch (const std::exception& error) {
            Add(Severity::Note, "page-not-parsed", 0, 0,
                "could not be read to the end (" + std::string(error.what()) +
                    "): its references are not checked");
        }
        return std::move(m_result);
    }

private:
    void Add(Severity severity, const char* code, int line, int column, std::string message,
             std::optional<std::string> reference = std::nullopt) {
        m_result.findings.push_back(
            {severity, code, m_name, line, std::move(message), column, std::move(reference)});
    }

    void ReadPage(const std::string& path) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 &&
            static_cast<std::uintmax_t>(st.st_size) > kLargestPage) {
            Add(Severity::Note, "page-not-parsed", 0, 0,
                "is larger than 1 GiB: its references are not checked");
            return;
        }
        std::string bytes;
        try {
            bytes = content::ReadWholeFile(path);
        } catch (const content::ContentError& error) {
            Add(Severity::Error, "unreadable-page", 0, 0,
                "cannot be read (not a regular file or no permission): the view shows its error "
                "page instead");
            return;
        }
        const std::optional<std::string> bom = CharsetOfBom(bytes);
        if (!bom && bytes.find('\0') != std::string::npos) {
            Add(Severity::Warning, "binary-page", 0, 0,
                "holds NUL bytes: it is no text but binary data, which the view shows as garbage; "
                "its references are not checked");
            return;
        }
        std::string text = DecodePage(bytes, bom.value_or(std::string(kShiftJis)));
        PageScan scan = ScanPage(text, m_arena);
        if (!bom && scan.parsed && scan.declaredCharset && *scan.declaredCharset != kShiftJis) {
            text = DecodePage(bytes, *scan.declaredCharset);
            scan = ScanPage(text, m_arena);
        }
        bytes = {};
        if (!scan.parsed) {
            Add(Severity::Note, "page-not-parsed", 0, 0,
                "the HTML parser gave up on it (its elements nest thousands deep?): its references "
                "are not checked");
            return;
        }
        CheckReferences(path, text, scan);
    }

    void CheckReferences(const std::string& path, std::string_view text, const PageScan& scan) {
        const std::string pageUrl = content::FileUrlPath(path);
        std::string base = pageUrl;
        if (scan.baseHref) {
            const content::JoinedReference joined = content::JoinReference(pageUrl, *scan.baseHref);
            if (joined.kind != content::JoinedReference::Kind::File)
                return; // every reference is an address on the web or another machine
            base = joined.path;
        }
        TextPositions positions(text);
        for (const PageReference& reference : scan.references) {
            const content::JoinedReference joined = content::JoinReference(base, reference.text);
            if (joined.kind == content::JoinedReference::Kind::OtherScheme)
                continue;
            // A jump within the page itself loads nothing.
            if (joined.kind == content::JoinedReference::Kind::File && joined.path == pageUrl &&
                !joined.query)
                continue;
            const TextPosition at = positions.At(reference.offset);
            Check(reference, joined, at);
        }
    }

    void Check(const PageReference& reference, const content::JoinedReference& joined,
               TextPosition at) {
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
        const ReferenceTarget target = m_disc.targets.Find(joined.path);
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
        const bool listed = m_disc.listed.contains(target.id);
        if (listed && reference.kind == ReferenceKind::Frame) {
            add(Severity::Warning, "frame-of-listed-page",
                "loads a page html.txt lists: the tree moves to that page's entry, which shows "
                "the page in the whole view in place of this frameset");
        } else if (listed && (joined.query || joined.fragment)) {
            add(Severity::Note, "fragment-to-listed-page",
                std::string("leads to a page html.txt lists, but with its ") +
                    (joined.query ? "query (?…)" : "fragment (#…)") +
                    " the tree does not move to that page's entry");
        }
        if (Navigates(reference.kind) && target.page)
            m_result.reached.push_back({target.path, target.id});
    }

    const Disc& m_disc;
    ParseArena m_arena;
    PageResult m_result;
    std::string m_name;
};

// Reads a wave of pages, several at a time; the results keep the wave's order.
std::vector<PageResult> ReadWave(const std::vector<PageToRead>& wave,
                                 std::vector<std::unique_ptr<PageReader>>& readers) {
    std::vector<PageResult> results(wave.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&](PageReader& reader) {
        for (std::size_t i = next++; i < wave.size(); i = next++)
            results[i] = reader.Read(wave[i]);
    };
    const std::size_t helpers = std::min(readers.size(), wave.size()) - 1;
    {
        std::vector<std::jthread> threads;
        for (std::size_t w = 1; w <= helpers; ++w)
            threads.emplace_back(work, std::ref(*readers[w]));
        work(*readers[0]);
    }
    return results;
}

std::optional<FileId> PageId(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

void AddUnreachedPages(const content::DiscDirs& dirs, const std::set<FileId>& seen,
                       Findings& findings) {
    std::vector<std::string> unreached;
    std::error_code error;
    fs::recursive_directory_iterator it(dirs.htmlDir, fs::directory_options::skip_permission_denied,
                                        error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string path = it->path().string();
        if (!IsHtmlName(path))
            continue;
        const std::optional<FileId> id = PageId(path);
        if (id && !seen.contains(*id))
            unreached.push_back(PageName(dirs.htmlDir, path));
    }
    std::sort(unreached.begin(), unreached.end());
    for (const std::string& page : unreached)
        findings.push_back({Severity::Note, "unreachable-page", page, 0,
                            "no listed page, no start page and no link leads to this page: no "
                            "reader ever sees it"});
}

} // namespace

std::string PageName(const std::string& htmlDir, const std::string& path) {
    if (path.starts_with(htmlDir))
        return path.substr(htmlDir.size());
    return fs::path(path).lexically_relative(fs::path(htmlDir)).generic_string();
}

void CheckPageReferences(const LoadOutcome& load, const content::DiscDirs& dirs,
                         Findings& findings) {
    const std::string discRoot = content::DiscRootOf(dirs.htmlDir);
    TargetFinder targets(discRoot);
    std::set<FileId> listed;
    std::set<FileId> seen;
    std::vector<PageToRead> wave;
    std::set<std::string> seeded; // html.txt may name one page on many lines
    const auto seed = [&](const std::string& path, bool isListed) {
        if (!seeded.insert(path).second)
            return;
        const std::optional<FileId> id = PageId(path);
        if (!id || !content::InsideDiscRoot(discRoot, path))
            return; // a missing page is told by the findings on html.txt
        if (isListed)
            listed.insert(*id);
        if (IsHtmlName(path) && seen.insert(*id).second)
            wave.push_back({path, *id});
    };
    for (const std::string_view line : load.htmlList)
        if (!line.empty())
            seed(content::ResolveDiscPath(dirs.htmlDir, line), true);
    seed(content::ResolveDiscPath(dirs.htmlDir, content::kStartPage), false);

    const Disc disc{dirs, targets, listed};
    const unsigned cores =
        std::max(1u, std::min(std::thread::hardware_concurrency(), kMostReaders));
    std::vector<std::unique_ptr<PageReader>> readers;
    for (unsigned i = 0; i < cores; ++i)
        readers.push_back(std::make_unique<PageReader>(disc));
    while (!wave.empty()) {
        std::vector<PageToRead> following;
        for (PageResult& result : ReadWave(wave, readers)) {
            findings.insert(findings.end(), std::make_move_iterator(result.findings.begin()),
                            std::make_move_iterator(result.findings.end()));
            for (PageToRead& page : result.reached)
                if (seen.insert(page.id).second)
                    following.push_back(std::move(page));
        }
        wave = std::move(following);
    }
    // Without the lists the browser shows no page at all, which the load findings say.
    if (load.ListsLoaded())
        AddUnreachedPages(dirs, seen, findings);
}

} // namespace check
