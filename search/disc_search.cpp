#include "search/disc_search.h"

#include "content/disc_layout.h"
#include "content/disc_path.h"
#include "pages/page_crawl.h"
#include "pages/page_name.h"
#include "search/index_file.h"
#include "search/text_fold.h"
#include "search/visible_text.h"

#include <gumbo.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>

namespace search {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".")
                                      : path.substr(0, std::max<std::size_t>(slash, 1));
}

struct Cancelled final : std::exception {
    const char* what() const noexcept override { return "the search was stopped"; }
};

// What the reading of the disc collects, from the crawl's readers, several at once.
class DiscReading final : public pages::PageVisitor {
public:
    DiscReading(const content::DiscDirs& dirs, const Query& query,
                std::map<pages::FileId, int> nodes, std::unique_ptr<IndexWriter> writer,
                SearchOutcome& outcome, const SearchProgress& progress, std::stop_token stop)
        : m_dirs(dirs), m_query(query), m_nodes(std::move(nodes)), m_writer(std::move(writer)),
          m_outcome(outcome), m_progress(progress), m_stop(std::move(stop)) {}

    // A file or folder whose change would change what the search finds, in its state now.
    void Watch(const std::string& path) {
        if (m_watchedPaths.insert(path).second)
            m_watched.push_back({path, StateOf(path)});
    }

    void Visit(const pages::VisitedPage& page) override {
        if (m_stop.stop_requested())
            throw Cancelled(); // the crawl follows no link from here: it ends soon
        IndexedPage indexed;
        indexed.page = pages::PageName(m_dirs.htmlDir, page.path);
        indexed.node = NodeOf(page.id);
        const GumboOutput* parse = page.read.page.scan.document;
        PageText text = VisibleText(parse != nullptr ? parse->document : nullptr);
        indexed.title = std::move(text.title);
        indexed.text = std::move(text.text);
        indexed.folded = FoldText(indexed.text);

        const std::lock_guard lock(m_mutex);
        Watch(page.path);
        Watch(FolderOf(page.path));
        // A link to a file not there yet reaches a page once the file is written beside it.
        for (const pages::ResolvedReference& reference : page.references)
            if (pages::Navigates(reference.reference->kind) && reference.target != nullptr &&
                reference.target->state != pages::ReferenceTarget::State::Found &&
                !reference.target->path.empty())
                Watch(FolderOf(reference.target->path));
        Keep(indexed);
        if (MatchesAll(indexed.folded, m_query))
            m_outcome.results.push_back(
                {indexed.page, indexed.node, indexed.title, MakeSnippet(indexed.text, m_query)});
        ++m_outcome.pages;
        Tell();
    }

    void Skip(const pages::SkippedPage& page) override {
        const std::lock_guard lock(m_mutex);
        if (m_stop.stop_requested()) {
            m_outcome.cancelled = true;
            return;
        }
        Watch(page.path);
        Watch(FolderOf(page.path));
        ++m_outcome.skipped;
        Tell();
    }

    // After the crawl: the cache file completed and put in place, unless the reading stopped.
    void Finish() {
        if (m_stop.stop_requested())
            m_outcome.cancelled = true;
        if (!m_writer || m_outcome.cancelled)
            return;
        try {
            m_writer->Finish(m_watched, m_outcome.skipped);
            m_outcome.kept = true;
        } catch (const std::exception& error) {
            m_outcome.cacheProblem = error.what();
        }
        m_writer.reset();
    }

private:
    int NodeOf(const pages::FileId& id) const {
        const auto found = m_nodes.find(id);
        return found == m_nodes.end() ? -1 : found->second;
    }

    void Keep(const IndexedPage& page) {
        if (!m_writer)
            return;
        try {
            m_writer->Add(page);
        } catch (const std::exception& error) {
            // A full disk: the search goes on without keeping anything.
            m_outcome.cacheProblem = error.what();
            m_writer.reset();
        }
    }

    void Tell() {
        if (m_progress)
            m_progress(m_outcome.pages + m_outcome.skipped);
    }

    const content::DiscDirs& m_dirs;
    const Query& m_query;
    const std::map<pages::FileId, int> m_nodes;
    std::unique_ptr<IndexWriter> m_writer;
    SearchOutcome& m_outcome;
    const SearchProgress& m_progress;
    std::stop_token m_stop;
    std::mutex m_mutex;
    std::set<std::string> m_watchedPaths;
    std::vector<WatchedFile> m_watched;
};

} // namespace

DiscSearch::DiscSearch(content::DiscDirs dirs, content::StringList htmlList, std::string indexPath)
    : m_dirs(std::move(dirs)), m_htmlList(std::move(htmlList)), m_indexPath(std::move(indexPath)) {}

SearchOutcome DiscSearch::Run(const Query& query, const SearchProgress& progress,
                              std::stop_token stop) const {
    if (!m_indexPath.empty()) {
        IndexReader reader(m_indexPath);
        if (reader.state() == IndexReader::State::Fresh) {
            SearchOutcome outcome;
            const bool whole = reader.ReadPages([&](const IndexedPageView& page) {
                if (MatchesAll(page.folded, query))
                    outcome.results.push_back({std::string(page.page), page.node,
                                               std::string(page.title),
                                               MakeSnippet(page.text, query)});
            });
            if (whole) {
                outcome.pages = reader.pages();
                outcome.skipped = reader.skipped();
                outcome.fromCache = true;
                SortResults(outcome.results);
                return outcome;
            }
            // Damaged on the way: nothing it gave is trusted, the disc is read again.
        }
    }
    SearchOutcome outcome = ReadDisc(query, progress, std::move(stop));
    SortResults(outcome.results);
    return outcome;
}

SearchOutcome DiscSearch::ReadDisc(const Query& query, const SearchProgress& progress,
                                   std::stop_token stop) const {
    SearchOutcome outcome;
    std::unique_ptr<IndexWriter> writer;
    if (!m_indexPath.empty()) {
        try {
            writer = std::make_unique<IndexWriter>(m_indexPath);
        } catch (const std::exception& error) {
            outcome.cacheProblem = error.what();
        }
    }
    // Each listed page's entry: the smallest line that names its file, as the view's tree
    // matches a page.
    std::map<pages::FileId, int> nodes;
    std::vector<std::string> listed;
    for (std::size_t line = 0; line < m_htmlList.size(); ++line) {
        if (m_htmlList[line].empty())
            continue;
        listed.push_back(content::ResolveDiscPath(m_dirs.htmlDir, m_htmlList[line]));
        if (const std::optional<pages::FileId> id = pages::RegularFileId(listed.back()))
            nodes.emplace(*id, static_cast<int>(line));
    }

    DiscReading reading(m_dirs, query, std::move(nodes), std::move(writer), outcome, progress,
                        stop);
    // What decides which pages are read: the list, the start page, each listed page (also one
    // not there yet) and the folders they lie in.
    reading.Watch(m_dirs.programDir + content::kHtmlFile);
    const std::string startPage = content::ResolveDiscPath(m_dirs.htmlDir, content::kStartPage);
    reading.Watch(startPage);
    reading.Watch(FolderOf(startPage));
    for (const std::string& page : listed) {
        reading.Watch(page);
        reading.Watch(FolderOf(page));
    }
    pages::CrawlDiscPages(m_dirs, m_htmlList, reading);
    reading.Finish();
    return outcome;
}

void SortResults(std::vector<SearchResult>& results) {
    std::sort(results.begin(), results.end(), [](const SearchResult& a, const SearchResult& b) {
        const bool aListed = a.node >= 0;
        const bool bListed = b.node >= 0;
        if (aListed != bListed)
            return aListed;
        if (aListed && a.node != b.node)
            return a.node < b.node;
        return a.page < b.page;
    });
}

} // namespace search
