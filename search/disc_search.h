#pragma once

#include "content/load_sequence.h"
#include "content/string_list.h"
#include "search/query.h"
#include "search/snippet.h"

#include <cstddef>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

namespace search {

// One page where every word of a query stands.
struct SearchResult {
    std::string page; // its path from the content directory, '/'-separated
    int node = -1;    // the tree entry that lists it, -1 when only links reach it
    std::string title;
    Snippet snippet;
};

// What a search did besides finding.
struct SearchOutcome {
    std::vector<SearchResult> results; // in tree order, then the pages only links reach, by path
    std::size_t pages = 0;             // pages searched
    std::size_t skipped = 0;           // pages that could not be read or parsed (binary ...)
    bool fromCache = false;            // the pages came from the cache, the disc was not read
    bool kept = false;                 // the disc was read and what it holds is now in the cache
    std::string cacheProblem;          // why the cache could not be used or written, if so
    bool cancelled = false;            // stopped before the end: the results are not all there
};

// Told, now and then while the disc is read, how many pages have been read.
using SearchProgress = std::function<void(std::size_t pagesRead)>;

// The disc search: the pages the disc shows, their visible text folded once, matched word by
// word. The first search reads every page once (the pages library's crawl, several at a time)
// and keeps their text in the cache file at indexPath; later searches read only that file, as
// long as every file the reading depended on looks as it did. A cache file that is damaged is
// read again from the disc and written anew; one that cannot be written leaves the search to
// read the disc each time. Memory holds a page at a time, besides the results.
class DiscSearch final {
public:
    // htmlList as the load sequence reads it; indexPath empty: no cache at all.
    DiscSearch(content::DiscDirs dirs, content::StringList htmlList, std::string indexPath);

    // Searches the disc. A query that is not usable searches nothing but still makes sure the
    // cache holds the disc (the window's first pass). `stop` ends a reading of the disc early.
    SearchOutcome Run(const Query& query, const SearchProgress& progress = {},
                      std::stop_token stop = {}) const;

    const content::DiscDirs& Dirs() const { return m_dirs; }

private:
    SearchOutcome ReadDisc(const Query& query, const SearchProgress& progress,
                           std::stop_token stop) const;

    content::DiscDirs m_dirs;
    content::StringList m_htmlList;
    std::string m_indexPath;
};

// The search's result order: tree entries by their place in the tree, then the pages only links
// reach by path.
void SortResults(std::vector<SearchResult>& results);

} // namespace search
