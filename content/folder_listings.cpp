#include "content/folder_listings.h"

#include <dirent.h>

namespace content {
namespace {

std::string LoweredAscii(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
    return lowered;
}

// Of two entries whose names lower alike, the smaller name is the one found.
void KeepSmaller(std::string& kept, std::string_view candidate) {
    if (kept.empty() || candidate < kept)
        kept = candidate;
}

template <class Entry> void ForEachEntry(const std::string& dir, const Entry& entry) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return;
    while (const dirent* found = ::readdir(d))
        entry(std::string_view(found->d_name));
    ::closedir(d);
}

} // namespace

std::string FindIgnoringAsciiCase(const std::string& dir, std::string_view name) {
    const std::string wanted = LoweredAscii(name);
    std::string found;
    ForEachEntry(dir, [&](std::string_view candidate) {
        if (candidate.size() == wanted.size() && LoweredAscii(candidate) == wanted)
            KeepSmaller(found, candidate);
    });
    return found;
}

std::string FolderListings::FindIgnoringAsciiCase(const std::string& dir, std::string_view name) {
    const std::lock_guard lock(m_mutex);
    auto folder = m_folders.find(dir);
    if (folder == m_folders.end()) {
        Listing listing;
        ForEachEntry(
            dir, [&](std::string_view entry) { KeepSmaller(listing[LoweredAscii(entry)], entry); });
        folder = m_folders.emplace(dir, std::move(listing)).first;
    }
    const auto match = folder->second.find(LoweredAscii(name));
    return match == folder->second.end() ? std::string() : match->second;
}

std::size_t FolderListings::FoldersRead() const {
    const std::lock_guard lock(m_mutex);
    return m_folders.size();
}

} // namespace content
