#pragma once

#include "search/file_state.h"
#include "search/indexed_page.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace search {

// The search's file in the cache: every page's title, visible text and folded text, the files
// and folders the reading depended on with their state, how many pages were skipped, and a
// checksum over all of it (XXH3). Written once, beside its final name, and renamed into place
// when complete; read page by page, so that memory holds one page, not the disc.
//
//   "QUILSRCH" u32 version u32 0
//   per page: u32 length, then i32 node, u32+bytes page, title, text, folded
//   watched:  u32 count, per file: u32+bytes path, u8 exists, u8 directory, u64 device, inode,
//             size, i64 modified, changed (ns)
//   trailer:  u64 pages, u64 skipped, u64 offset of watched, u64 checksum, "QUILEND1"
// Numbers are little-endian. A file that breaks any of this is damaged and never used.

// Bumped whenever what is kept or how text is read changes: an older file is then stale.
inline constexpr std::uint32_t kIndexVersion = 1;

class IndexWriter final {
public:
    // Opens a temporary file beside finalPath; throws std::runtime_error when the folder cannot
    // be written.
    explicit IndexWriter(std::string finalPath);
    ~IndexWriter(); // a file never finished is removed
    IndexWriter(const IndexWriter&) = delete;
    IndexWriter& operator=(const IndexWriter&) = delete;

    // Each throws std::runtime_error when the write fails (a full disk); the file is then gone.
    void Add(const IndexedPage& page);
    void Finish(const std::vector<WatchedFile>& watched, std::size_t skipped);

private:
    void Write(const std::string& bytes);
    void Abandon();

    std::string m_finalPath;
    std::string m_tempPath;
    std::FILE* m_file = nullptr;
    struct Hash;
    Hash* m_hash;
    std::uint64_t m_offset = 0;
    std::uint64_t m_pages = 0;
};

// An index file opened for use.
class IndexReader final {
public:
    enum class State { Missing, Damaged, Stale, Fresh };

    // Opens the file and compares every watched file with what it looks like now. Only a Fresh
    // index is read; anything in it that does not hold together makes it Damaged.
    explicit IndexReader(const std::string& path);
    ~IndexReader();
    IndexReader(const IndexReader&) = delete;
    IndexReader& operator=(const IndexReader&) = delete;

    State state() const { return m_state; }
    std::size_t pages() const { return m_pages; }
    std::size_t skipped() const { return m_skipped; }

    // Hands each page to `visit`, in the order they were written. False when the file turns out
    // damaged on the way (what was handed out is then not to be trusted) or was not Fresh.
    bool ReadPages(const std::function<void(const IndexedPageView&)>& visit);

private:
    State m_state = State::Missing;
    std::FILE* m_file = nullptr;
    std::uint64_t m_size = 0;
    std::uint64_t m_watchedOffset = 0;
    std::uint64_t m_checksum = 0;
    std::size_t m_pages = 0;
    std::size_t m_skipped = 0;
};

} // namespace search
