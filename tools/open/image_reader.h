#pragma once

#include "tools/open/byte_source.h"
#include "tools/open/cooked_sectors.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct archive;

namespace disc_image {

struct ImageFile;

enum class EntryKind { Directory, File, Symlink, HardLink, Other };

// One entry of an image's directory tree, as a mounted disc would show it.
struct ImageEntry {
    std::size_t ordinal = 0; // its place among the entries, in the reader's order
    std::string path;        // relative, '/'-separated, with the names as presented
    EntryKind kind = EntryKind::Other;
    std::uint64_t size = 0;  // of a file's data
    bool executable = false; // Rock Ridge says so
    std::string link;        // a symbolic link's target as written; a hard link's other name
};

// Plain ISO 9660 names are upper case with a version ("MENU/TREE.TXT;1"). Presented as Linux
// mounts them by default: lower case, with the version's separator as a dot (the reader has
// already dropped a ";1" and a trailing dot). Joliet and Rock Ridge names are kept as written.
std::string PresentPlainName(std::string path);

// Reads an image's directory tree and its files' data with libarchive, through the read
// callbacks that give it the data track as cooked 2048-byte sectors. Every damage the reader
// reports (a truncated track, a loop in the directories, an extent beyond the volume) throws
// ImageError.
class ImageReader final {
public:
    explicit ImageReader(const ImageFile& image);
    ImageReader(ByteSource& source, SectorLayout layout, bool jolietNames);
    ~ImageReader();
    ImageReader(const ImageReader&) = delete;
    ImageReader& operator=(const ImageReader&) = delete;

    // The next entry; nullopt after the last. The image's root itself is not an entry.
    std::optional<ImageEntry> Next();
    // The data of the entry Next gave last, in pieces; exactly its size, or ImageError.
    void ReadData(const std::function<void(const void*, std::size_t)>& piece);

private:
    friend struct ArchiveCallbacks;
    void Open();
    [[noreturn]] void Fail(const char* what);

    std::unique_ptr<FileSource> m_file; // when opened from an image file
    ByteSource& m_source;
    CookedSectors m_sectors;
    bool m_jolietNames;
    std::string m_name; // for messages
    struct ArchiveFree {
        void operator()(archive* a) const;
    };
    // Freed also when the constructor throws (a file that is no disc).
    std::unique_ptr<archive, ArchiveFree> m_archive;
    std::uint64_t m_position = 0;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_ordinal = 0;
    std::uint64_t m_currentSize = 0;
};

} // namespace disc_image
