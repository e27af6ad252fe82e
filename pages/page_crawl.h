#pragma once

#include "content/folder_listings.h"
#include "content/load_sequence.h"
#include "content/page_reference.h"
#include "content/string_list.h"
#include "pages/page_read.h"
#include "pages/reference_target.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace pages {

// A reference of a page joined to the page's address as the view's engine joins it, and, for a
// local file, found on the disc by the view's own rule. A web address, mailto: and the like
// (JoinedReference::Kind::OtherScheme) are left out.
struct ResolvedReference {
    const PageReference* reference = nullptr;
    content::JoinedReference joined;
    // The file found, for Kind::File; null for another machine and for a jump within the page
    // itself (samePage: its own path, no query), which loads nothing.
    const ReferenceTarget* target = nullptr;
    bool samePage = false;
    bool listedTarget = false; // the target is a page html.txt lists
};

// A page the crawl has read and parsed. Everything is valid during the visit only.
struct VisitedPage {
    std::size_t order = 0; // its place in the crawl: the same on every run over the same disc
    unsigned reader = 0;   // which of the crawl's readers visits it, below ReaderCount()
    const std::string& path;
    FileId id;
    bool listed = false;  // html.txt names it
    const PageRead& read; // the bytes, the charset, the UTF-8 text and its parse (read.page.scan)
    const std::vector<ResolvedReference>& references; // in the order of the text
};

// A page the crawl reached but could not read or parse.
struct SkippedPage {
    std::size_t order = 0;
    unsigned reader = 0;
    const std::string& path;
    FileId id;
    bool listed = false;
    Unread why = Unread::Failed;
    const std::string& detail;
};

// What a crawl's user does with each page. Called on the crawl's reader threads, several pages
// at once (never two at once with the same reader number).
class PageVisitor {
public:
    virtual void Visit(const VisitedPage& page) = 0;
    virtual void Skip(const SkippedPage& page) = 0;

protected:
    ~PageVisitor() = default;
};

struct CrawlOptions {
    unsigned readers = 0; // 0: one per core, at most eight
    // The folder listings the run's other lookups share (content::ResolveDiscPath); without
    // them the crawl keeps its own, so that each folder is listed once either way.
    content::FolderListings* listings = nullptr;
};

// How many readers a crawl with these options runs.
unsigned ReaderCount(const CrawlOptions& options);

// Reads every page the disc shows, each once and parsed once, several at a time: the pages
// html.txt lists (htmlList as the load sequence read it), the start page open.htm, and every
// page their links, frames and refreshes reach, over and over. Only HTML pages are read (by the
// name's extension, as the view decides it); a listed page that is missing or lies outside the
// disc is not. Returns the pages reached, read or not, by their file.
std::set<FileId> CrawlDiscPages(const content::DiscDirs& dirs, const content::StringList& htmlList,
                                PageVisitor& visitor, const CrawlOptions& options = {});

} // namespace pages
