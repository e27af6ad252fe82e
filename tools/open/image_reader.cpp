#include "tools/open/image_reader.h"

#include "tools/open/image_error.h"
#include "tools/open/image_file.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <locale.h>

namespace disc_image {
namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

// Joliet names are UTF-16, which libarchive converts to the locale's character set: UTF-8 here,
// whatever the process's locale, as Linux mounts Joliet discs.
class Utf8Names final {
public:
    Utf8Names() {
        static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        if (utf8 != nullptr)
            m_previous = ::uselocale(utf8);
    }
    ~Utf8Names() {
        if (m_previous != nullptr)
            ::uselocale(m_previous);
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    locale_t m_previous = nullptr;
};

} // namespace

struct ArchiveCallbacks {
    static la_ssize_t Read(archive*, void* data, const void** buffer) {
        auto& reader = *static_cast<ImageReader*>(data);
        try {
            const std::size_t n =
                reader.m_sectors.Read(reader.m_position, reader.m_buffer.data(), kReadBlock);
            reader.m_position += n;
            *buffer = reader.m_buffer.data();
            return static_cast<la_ssize_t>(n);
        } catch (const std::exception&) {
            return -1;
        }
    }
    static la_int64_t Skip(archive*, void* data, la_int64_t request) {
        auto& reader = *static_cast<ImageReader*>(data);
        if (request <= 0)
            return 0;
        const std::uint64_t left = reader.m_sectors.Size() - reader.m_position;
        const std::uint64_t n = std::min<std::uint64_t>(static_cast<std::uint64_t>(request), left);
        reader.m_position += n;
        return static_cast<la_int64_t>(n);
    }
    static la_int64_t Seek(archive*, void* data, la_int64_t offset, int whence) {
        auto& reader = *static_cast<ImageReader*>(data);
        const auto size = static_cast<la_int64_t>(reader.m_sectors.Size());
        la_int64_t to = offset;
        if (whence == SEEK_CUR)
            to = static_cast<la_int64_t>(reader.m_position) + offset;
        else if (whence == SEEK_END)
            to = size + offset;
        if (to < 0)
            return ARCHIVE_FATAL;
        reader.m_position = static_cast<std::uint64_t>(std::min(to, size));
        return static_cast<la_int64_t>(reader.m_position);
    }
};

std::string PresentPlainName(std::string path) {
    for (char& c : path) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == ';')
            c = '.';
    }
    return path;
}

ImageReader::ImageReader(const ImageFile& image)
    : m_file(std::make_unique<FileSource>(image.trackFile)), m_source(*m_file),
      m_sectors(m_source, image.layout), m_jolietNames(image.jolietNames), m_name(image.given) {
    Open();
}

ImageReader::ImageReader(ByteSource& source, SectorLayout layout, bool jolietNames)
    : m_source(source), m_sectors(source, layout), m_jolietNames(jolietNames), m_name("image") {
    Open();
}

ImageReader::~ImageReader() = default;

void ImageReader::ArchiveFree::operator()(archive* a) const {
    archive_read_free(a);
}

void ImageReader::Open() {
    m_buffer.resize(kReadBlock);
    m_archive.reset(archive_read_new());
    archive* a = m_archive.get();
    if (a == nullptr)
        throw ImageError("out of memory");
    archive_read_support_format_iso9660(a);
    archive_read_set_callback_data(a, this);
    archive_read_set_read_callback(a, &ArchiveCallbacks::Read);
    archive_read_set_skip_callback(a, &ArchiveCallbacks::Skip);
    archive_read_set_seek_callback(a, &ArchiveCallbacks::Seek);
    const Utf8Names utf8;
    if (archive_read_open1(a) != ARCHIVE_OK)
        Fail("cannot be read as an ISO 9660 disc");
}

void ImageReader::Fail(const char* what) {
    const char* detail = archive_error_string(m_archive.get());
    throw ImageError(m_name + ": " + what + (detail ? std::string(": ") + detail : std::string()));
}

std::optional<ImageEntry> ImageReader::Next() {
    const Utf8Names utf8;
    for (;;) {
        archive_entry* header = nullptr;
        const int status = archive_read_next_header(m_archive.get(), &header);
        if (status == ARCHIVE_EOF)
            return std::nullopt;
        // A warning here is damage too: a file beyond the end of the volume, a directory out of
        // order, a name that cannot be converted.
        if (status != ARCHIVE_OK)
            Fail("the image is damaged");
        const char* name = archive_entry_pathname(header);
        std::string path = name ? name : "";
        if (path == "." || path == "./")
            continue; // the root
        ImageEntry entry;
        entry.ordinal = m_ordinal++;
        const bool plain =
            !m_jolietNames && archive_format(m_archive.get()) != ARCHIVE_FORMAT_ISO9660_ROCKRIDGE;
        entry.path = plain ? PresentPlainName(std::move(path)) : std::move(path);
        const mode_t mode = archive_entry_mode(header);
        entry.executable = (mode & 0111) != 0 && !plain;
        entry.size =
            archive_entry_size_is_set(header)
                ? static_cast<std::uint64_t>(std::max<la_int64_t>(0, archive_entry_size(header)))
                : 0;
        if (const char* hardlink = archive_entry_hardlink(header)) {
            entry.kind = EntryKind::HardLink;
            entry.link = plain ? PresentPlainName(hardlink) : hardlink;
            entry.size = 0;
        } else {
            switch (archive_entry_filetype(header)) {
            case AE_IFDIR:
                entry.kind = EntryKind::Directory;
                entry.size = 0;
                break;
            case AE_IFREG:
                entry.kind = EntryKind::File;
                break;
            case AE_IFLNK:
                entry.kind = EntryKind::Symlink;
                entry.link = archive_entry_symlink(header) ? archive_entry_symlink(header) : "";
                entry.size = 0;
                break;
            default:
                entry.kind = EntryKind::Other;
                entry.size = 0;
                break;
            }
        }
        m_currentSize = entry.kind == EntryKind::File ? entry.size : 0;
        return entry;
    }
}

void ImageReader::ReadData(const std::function<void(const void*, std::size_t)>& piece) {
    std::uint64_t done = 0;
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(m_archive.get(), &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK)
            Fail("the image is damaged");
        if (offset < 0 || static_cast<std::uint64_t>(offset) != done || size > m_currentSize - done)
            throw ImageError(m_name +
                             ": the image is damaged: a file's data does not fit its size");
        if (size > 0)
            piece(block, size);
        done += size;
    }
    if (done != m_currentSize)
        throw ImageError(m_name + ": the image is damaged: a file ends early");
}

} // namespace disc_image
