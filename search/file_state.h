#pragma once

#include <cstdint>
#include <string>

namespace search {

// What a file or folder looked like when the disc was read: a disc whose every watched file
// still looks the same is the disc that was read. A folder's time changes when a file is added,
// removed or renamed in it; a file's when it is written.
struct FileState {
    bool exists = false;
    bool directory = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileState&) const = default;
};

// The state of the file or folder at the path now (symbolic links followed), or !exists.
FileState StateOf(const std::string& path);

struct WatchedFile {
    std::string path; // absolute
    FileState state;
};

} // namespace search
