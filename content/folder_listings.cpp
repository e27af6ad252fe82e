#include "content/folder_listings.h"

#include <dirent.h>
#include <filesystem>
#include <system_error>

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

std::optional<std::string> FolderListings::ResolvedFolder(const std::string& dir) {
    {
        const std::lock_guard lock(m_mutex);
        if (const auto known = m_resolved.find(dir); known != m_resolved.end())
            return known->second;
    }
    // Outside the lock: the walk asks the system, and other readers need not wait for it.
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(dir, error);
    std::optional<std::string> answer;
    if (!error)
        answer = resolved.string();
    const std::lock_guard lock(m_mutex);
    return m_resolved.try_emplace(dir, std::move(answer)).first->second;
}

std::size_t FolderListings::FoldersRead() const {
    const std::lock_guard lock(m_mutex);
    return m_folders.size();
}

} // namespace content
