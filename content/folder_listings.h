#pragma once

#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace content {

// The entry of a folder whose name equals name but for ASCII case, as the disc's names are
// matched when the exact name is not there; of several, the smallest name, so that the answer
// does not depend on the order the file system lists them in. Empty when there is none or the
// folder cannot be read. Reads the folder each time.
std::string FindIgnoringAsciiCase(const std::string& dir, std::string_view name);

// The same answers, each folder read once: a run that looks up many names in other letter cases
// (the disc checker, the disc search) reads each folder at most once, however many lookups fall
// back to it. The disc is read-only, so a listing stays true for the run. Safe to use from
// several threads.
class FolderListings final {
public:
    FolderListings() = default;
    FolderListings(const FolderListings&) = delete;
    FolderListings& operator=(const FolderListings&) = delete;

    std::string FindIgnoringAsciiCase(const std::string& dir, std::string_view name);

    // How many folders have been read.
    std::size_t FoldersRead() const;

    // The folder's path with links and climbs resolved as std::filesystem::weakly_canonical
    // resolves it, worked out once per folder: a check that judges many files of a folder asks
    // the system to walk its path once. Nullopt where the path cannot be resolved (a link loop).
    std::optional<std::string> ResolvedFolder(const std::string& dir);

private:
    // Each name lowered in ASCII, with the smallest entry that lowers to it.
    using Listing = std::unordered_map<std::string, std::string>;

    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Listing> m_folders;
    std::unordered_map<std::string, std::optional<std::string>> m_resolved;
};

} // namespace content
