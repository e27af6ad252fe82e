#include "pages/page_crawl.h"

#include "content/disc_confinement.h"
#include "content/disc_layout.h"
#include "content/disc_path.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace pages {
namespace {

constexpr unsigned kMostReaders = 8;

struct PageToRead {
    std::string path;
    FileId id;
    bool listed = false;
    std::size_t order = 0;
};

// What every reader shares: read only, but for the finder, which locks.
struct Disc {
    TargetFinder& targets;
    const std::set<FileId>& listed;
    PageVisitor& visitor;
};

// Each reference of a parsed page joined to the page's address (or its base) and found.
std::vector<ResolvedReference> Resolve(const std::string& path, const PageScan& scan,
                                       const Disc& disc) {
    std::vector<ResolvedReference> resolved;
    const std::string pageUrl = content::FileUrlPath(path);
    std::string base = pageUrl;
    if (scan.baseHref) {
        const content::JoinedReference joined = content::JoinReference(pageUrl, *scan.baseHref);
        if (joined.kind != content::JoinedReference::Kind::File)
            return resolved; // every reference is an address on the web or another machine
        base = joined.path;
    }
    resolved.reserve(scan.references.size());
    for (const PageReference& reference : scan.references) {
        ResolvedReference out;
        out.reference = &reference;
        out.joined = content::JoinReference(base, reference.text);
        if (out.joined.kind == content::JoinedReference::Kind::OtherScheme)
            continue;
        if (out.joined.kind == content::JoinedReference::Kind::File) {
            out.samePage = out.joined.path == pageUrl && !out.joined.query;
            if (!out.samePage) {
                out.target = &disc.targets.Find(out.joined.path);
                out.listedTarget = out.target->state == ReferenceTarget::State::Found &&
                                   disc.listed.contains(out.target->id);
            }
        }
        resolved.push_back(std::move(out));
    }
    return resolved;
}

// The pages a page's links, frames and refreshes lead to.
std::vector<PageToRead> Reached(const std::vector<ResolvedReference>& references) {
    std::vector<PageToRead> reached;
    for (const ResolvedReference& r : references)
        if (Navigates(r.reference->kind) && r.target &&
            r.target->state == ReferenceTarget::State::Found && r.target->page)
            reached.push_back({r.target->path, r.target->id});
    return reached;
}

class CrawlReader final {
public:
    CrawlReader(const Disc& disc, unsigned number) : m_disc(disc), m_number(number) {}

    // Reads the page, lets the visitor see it and returns the pages it leads to.
    std::vector<PageToRead> Read(const PageToRead& page) {
        const PageRead& read = m_reader.Read(page.path);
        if (read.unread) {
            Skip(page, *read.unread, read.detail);
            return {};
        }
        try {
            const std::vector<ResolvedReference> references =
                Resolve(page.path, read.page.scan, m_disc);
            m_disc.visitor.Visit(
                {page.order, m_number, page.path, page.id, page.listed, read, references});
            return Reached(references);
        } catch (const std::exception& error) {
            Skip(page, Unread::Failed, error.what());
            return {};
        }
    }

private:
    void Skip(const PageToRead& page, Unread why, const std::string& detail) {
        m_disc.visitor.Skip({page.order, m_number, page.path, page.id, page.listed, why, detail});
    }

    const Disc& m_disc;
    unsigned m_number;
    PageReader m_reader;
};

// Reads a wave of pages, several at a time; what each reaches comes back in the wave's order.
std::vector<std::vector<PageToRead>> ReadWave(const std::vector<PageToRead>& wave,
                                              std::vector<std::unique_ptr<CrawlReader>>& readers) {
    std::vector<std::vector<PageToRead>> reached(wave.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&](CrawlReader& reader) {
        for (std::size_t i = next++; i < wave.size(); i = next++)
            reached[i] = reader.Read(wave[i]);
    };
    const std::size_t helpers = std::min(readers.size(), wave.size()) - 1;
    {
        std::vector<std::jthread> threads;
        for (std::size_t w = 1; w <= helpers; ++w)
            threads.emplace_back(work, std::ref(*readers[w]));
        work(*readers[0]);
    }
    return reached;
}

} // namespace

unsigned ReaderCount(const CrawlOptions& options) {
    if (options.readers > 0)
        return options.readers;
    return std::max(1u, std::min(std::thread::hardware_concurrency(), kMostReaders));
}

std::set<FileId> CrawlDiscPages(const content::DiscDirs& dirs, const content::StringList& htmlList,
                                PageVisitor& visitor, const CrawlOptions& options) {
    const std::string discRoot = content::DiscRootOf(dirs.htmlDir);
    content::FolderListings ownListings;
    content::FolderListings* listings = options.listings ? options.listings : &ownListings;
    TargetFinder targets(discRoot, *listings);
    std::set<FileId> listed;
    std::set<FileId> seen;
    std::vector<PageToRead> wave;
    std::size_t order = 0;
    std::set<std::string> seeded; // html.txt may name one page on many lines
    const auto seed = [&](const std::string& path, bool isListed) {
        if (!seeded.insert(path).second)
            return;
        const std::optional<FileId> id = RegularFileId(path);
        if (!id || !content::InsideDiscRoot(discRoot, path, *listings))
            return; // missing, or a file the view never shows
        if (isListed)
            listed.insert(*id);
        if (IsHtmlName(path) && seen.insert(*id).second)
            wave.push_back({path, *id, isListed, order++});
    };
    for (const std::string_view line : htmlList)
        if (!line.empty())
            seed(content::ResolveDiscPath(dirs.htmlDir, line, listings), true);
    seed(content::ResolveDiscPath(dirs.htmlDir, content::kStartPage, listings), false);

    const Disc disc{targets, listed, visitor};
    std::vector<std::unique_ptr<CrawlReader>> readers;
    for (unsigned i = 0; i < ReaderCount(options); ++i)
        readers.push_back(std::make_unique<CrawlReader>(disc, i));
    while (!wave.empty()) {
        std::vector<PageToRead> following;
        for (std::vector<PageToRead>& reached : ReadWave(wave, readers)) {
            for (PageToRead& page : reached) {
                if (!seen.insert(page.id).second)
                    continue;
                page.listed = listed.contains(page.id);
                page.order = order++;
                following.push_back(std::move(page));
            }
        }
        wave = std::move(following);
    }
    return seen;
}

} // namespace pages
