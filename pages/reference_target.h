#pragma once

#include <compare>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <unordered_map>

namespace content {
class FolderListings;
}

namespace pages {

// A file as the system knows it, whatever path or link leads to it.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    auto operator<=>(const FileId&) const = default;
};

// The file a path names when it is a regular file (links followed).
std::optional<FileId> RegularFileId(const std::string& path);

// The disc file a joined reference reaches, by the page view's own rule.
struct ReferenceTarget {
    enum class State { Found, Missing, Unreachable, Outside };
    State state = State::Missing;
    std::string path;   // the file the view would load (or the one it looked for)
    std::string reason; // Unreachable: why the system cannot reach it
    FileId id;          // Found
    bool page = false;  // Found: a regular file the view shows as HTML
};

// Whether a file's name makes the view show it as HTML.
bool IsHtmlName(std::string_view path);

// Finds the files references reach, each path looked up once however many pages name it, and
// each folder listed and resolved once for all the lookups of a run (the listings); safe to use
// from several threads.
class TargetFinder final {
public:
    TargetFinder(std::string discRoot, content::FolderListings& listings)
        : m_discRoot(std::move(discRoot)), m_listings(listings) {}

    // urlPath is a joined reference's path, still percent-encoded. The answer stays valid as
    // long as the finder.
    const ReferenceTarget& Find(const std::string& urlPath);

    const std::string& DiscRoot() const { return m_discRoot; }

private:
    ReferenceTarget Look(const std::string& nativePath) const;

    std::string m_discRoot;
    content::FolderListings& m_listings;
    std::mutex m_mutex;
    std::unordered_map<std::string, ReferenceTarget> m_found; // its entries never move
};

} // namespace pages
