#include "search/index_file.h"

#include <xxhash.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace search {
namespace {

constexpr std::string_view kMagic = "QUILSRCH";
constexpr std::string_view kEndMagic = "QUILEND1";
constexpr std::uint64_t kHeaderBytes = 16;
constexpr std::uint64_t kTrailerBytes = 40;
// A watched entry holds its path and 2 + 5 * 8 bytes; a page record at least 4 + 4 * 4.
constexpr std::uint64_t kLeastWatchedBytes = 4 + 2 + 5 * 8;
// No page's record comes near this; a length beyond it is damage, not a reason to allocate.
constexpr std::uint32_t kLargestRecord = 1u << 30;

void PutU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
void PutU64(std::string& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
void PutText(std::string& out, std::string_view text) {
    PutU32(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

// Reads numbers and texts from bytes that may be damaged: every read is checked against the end.
class Cursor final {
public:
    explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}
    std::optional<std::uint64_t> Number(int size) {
        if (m_bytes.size() - m_at < static_cast<std::size_t>(size))
            return std::nullopt;
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t{static_cast<unsigned char>(m_bytes[m_at + i])} << (8 * i);
        m_at += static_cast<std::size_t>(size);
        return value;
    }
    std::optional<std::string_view> Text() {
        const std::optional<std::uint64_t> length = Number(4);
        if (!length || m_bytes.size() - m_at < *length)
            return std::nullopt;
        const std::string_view text = m_bytes.substr(m_at, *length);
        m_at += *length;
        return text;
    }
    bool AtEnd() const { return m_at == m_bytes.size(); }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

void PutState(std::string& out, const FileState& state) {
    out += static_cast<char>(state.exists ? 1 : 0);
    out += static_cast<char>(state.directory ? 1 : 0);
    PutU64(out, state.device);
    PutU64(out, state.inode);
    PutU64(out, state.size);
    PutU64(out, static_cast<std::uint64_t>(state.modifiedNs));
    PutU64(out, static_cast<std::uint64_t>(state.changedNs));
}

std::optional<FileState> TakeState(Cursor& cursor) {
    const auto exists = cursor.Number(1);
    const auto directory = cursor.Number(1);
    const auto device = cursor.Number(8);
    const auto inode = cursor.Number(8);
    const auto size = cursor.Number(8);
    const auto modified = cursor.Number(8);
    const auto changed = cursor.Number(8);
    if (!changed || *exists > 1 || *directory > 1)
        return std::nullopt;
    return FileState{*exists == 1,
                     *directory == 1,
                     *device,
                     *inode,
                     *size,
                     static_cast<std::int64_t>(*modified),
                     static_cast<std::int64_t>(*changed)};
}

bool ReadExactly(std::FILE* file, char* into, std::size_t size) {
    return std::fread(into, 1, size, file) == size;
}

} // namespace

struct IndexWriter::Hash {
    XXH3_state_t* state = XXH3_createState();
    ~Hash() { XXH3_freeState(state); }
};

IndexWriter::IndexWriter(std::string finalPath)
    : m_finalPath(std::move(finalPath)), m_hash(new Hash) {
    std::string pattern = m_finalPath + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        delete m_hash;
        throw std::runtime_error("cannot write in the cache: " + std::string(std::strerror(errno)));
    }
    m_tempPath = pattern;
    m_file = ::fdopen(fd, "wb");
    if (m_file == nullptr) {
        ::close(fd);
        Abandon();
        delete m_hash;
        throw std::runtime_error("cannot write in the cache");
    }
    XXH3_64bits_reset(m_hash->state);
    std::string header(kMagic);
    PutU32(header, kIndexVersion);
    PutU32(header, 0);
    try {
        Write(header);
    } catch (...) {
        delete m_hash;
        throw;
    }
}

IndexWriter::~IndexWriter() {
    Abandon();
    delete m_hash;
}

void IndexWriter::Abandon() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

void IndexWriter::Write(const std::string& bytes) {
    if (m_file == nullptr)
        throw std::runtime_error("the cache file is closed");
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        const std::string reason = std::strerror(errno);
        Abandon();
        throw std::runtime_error("cannot write in the cache: " + reason);
    }
    XXH3_64bits_update(m_hash->state, bytes.data(), bytes.size());
    m_offset += bytes.size();
}

void IndexWriter::Add(const IndexedPage& page) {
    std::string body;
    body.reserve(32 + page.page.size() + page.title.size() + page.text.size() + page.folded.size());
    PutU32(body, static_cast<std::uint32_t>(page.node));
    PutText(body, page.page);
    PutText(body, page.title);
    PutText(body, page.text);
    PutText(body, page.folded);
    std::string record;
    PutU32(record, static_cast<std::uint32_t>(body.size()));
    Write(record);
    Write(body);
    ++m_pages;
}

void IndexWriter::Finish(const std::vector<WatchedFile>& watched, std::size_t skipped) {
    const std::uint64_t watchedOffset = m_offset;
    std::string section;
    PutU32(section, static_cast<std::uint32_t>(watched.size()));
    for (const WatchedFile& file : watched) {
        PutText(section, file.path);
        PutState(section, file.state);
    }
    PutU64(section, m_pages);
    PutU64(section, skipped);
    PutU64(section, watchedOffset);
    Write(section);
    std::string end;
    PutU64(end, XXH3_64bits_digest(m_hash->state));
    end += kEndMagic;
    Write(end);
    const bool flushed = std::fflush(m_file) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!flushed || !closed || ::rename(m_tempPath.c_str(), m_finalPath.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        Abandon();
        throw std::runtime_error("cannot write in the cache: " + reason);
    }
    m_tempPath.clear();
}

IndexReader::IndexReader(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return; // Missing
    struct stat st {};
    m_state = State::Damaged;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    m_file = ::fdopen(fd, "rb");
    if (m_file == nullptr) {
        ::close(fd);
        return;
    }
    m_size = static_cast<std::uint64_t>(st.st_size);
    if (m_size < kHeaderBytes + 4 + kTrailerBytes)
        return;
    std::string header(kHeaderBytes, '\0');
    std::string trailer(kTrailerBytes, '\0');
    if (!ReadExactly(m_file, header.data(), header.size()) ||
        std::fseek(m_file, static_cast<long>(m_size - kTrailerBytes), SEEK_SET) != 0 ||
        !ReadExactly(m_file, trailer.data(), trailer.size()))
        return;
    if (std::string_view(header).substr(0, 8) != kMagic ||
        std::string_view(trailer).substr(32) != kEndMagic)
        return;
    Cursor head(std::string_view(header).substr(8));
    if (head.Number(4) != kIndexVersion) {
        m_state = State::Stale; // another version's file: built again, not an error
        return;
    }
    Cursor tail(trailer);
    const std::uint64_t pages = *tail.Number(8);
    const std::uint64_t skipped = *tail.Number(8);
    m_watchedOffset = *tail.Number(8);
    m_checksum = *tail.Number(8);
    if (m_watchedOffset < kHeaderBytes || m_watchedOffset > m_size - kTrailerBytes - 4 ||
        pages > m_size / 20 || skipped > (std::uint64_t{1} << 40))
        return;
    m_pages = static_cast<std::size_t>(pages);
    m_skipped = static_cast<std::size_t>(skipped);

    // The watched files, compared with the disc as it is now.
    std::string watched(static_cast<std::size_t>(m_size - kTrailerBytes - m_watchedOffset), '\0');
    if (std::fseek(m_file, static_cast<long>(m_watchedOffset), SEEK_SET) != 0 ||
        !ReadExactly(m_file, watched.data(), watched.size()))
        return;
    Cursor cursor(watched);
    const std::optional<std::uint64_t> count = cursor.Number(4);
    if (!count || *count > watched.size() / kLeastWatchedBytes)
        return;
    bool same = true;
    for (std::uint64_t i = 0; i < *count; ++i) {
        const std::optional<std::string_view> filePath = cursor.Text();
        if (!filePath)
            return;
        const std::optional<FileState> was = TakeState(cursor);
        if (!was)
            return;
        same = same && StateOf(std::string(*filePath)) == *was;
    }
    if (!cursor.AtEnd())
        return;
    m_state = same ? State::Fresh : State::Stale;
}

IndexReader::~IndexReader() {
    if (m_file != nullptr)
        std::fclose(m_file);
}

bool IndexReader::ReadPages(const std::function<void(const IndexedPageView&)>& visit) {
    if (m_state != State::Fresh)
        return false;
    const auto damaged = [this] {
        m_state = State::Damaged;
        return false;
    };
    XXH3_state_t* hash = XXH3_createState();
    struct Free {
        XXH3_state_t* state;
        ~Free() { XXH3_freeState(state); }
    } freeHash{hash};
    XXH3_64bits_reset(hash);
    if (std::fseek(m_file, 0, SEEK_SET) != 0)
        return damaged();
    std::string bytes(kHeaderBytes, '\0');
    if (!ReadExactly(m_file, bytes.data(), bytes.size()))
        return damaged();
    XXH3_64bits_update(hash, bytes.data(), bytes.size());
    std::uint64_t at = kHeaderBytes;
    std::size_t pages = 0;
    IndexedPageView page;
    while (at < m_watchedOffset) {
        char lengthBytes[4];
        if (m_watchedOffset - at < 4 || !ReadExactly(m_file, lengthBytes, 4))
            return damaged();
        XXH3_64bits_update(hash, lengthBytes, 4);
        const std::uint32_t length = *Cursor(std::string_view(lengthBytes, 4)).Number(4);
        at += 4;
        if (length > kLargestRecord || m_watchedOffset - at < length)
            return damaged();
        bytes.resize(length);
        if (!ReadExactly(m_file, bytes.data(), length))
            return damaged();
        XXH3_64bits_update(hash, bytes.data(), length);
        at += length;
        Cursor record(bytes);
        const std::optional<std::uint64_t> node = record.Number(4);
        const std::optional<std::string_view> name = record.Text();
        const std::optional<std::string_view> title = record.Text();
        const std::optional<std::string_view> text = record.Text();
        const std::optional<std::string_view> folded = record.Text();
        if (!folded || !record.AtEnd())
            return damaged();
        page.node = static_cast<std::int32_t>(static_cast<std::uint32_t>(*node));
        if (page.node < -1)
            return damaged();
        page.page = *name;
        page.title = *title;
        page.text = *text;
        page.folded = *folded;
        ++pages;
        visit(page);
    }
    // The rest up to the checksum: the watched files and the trailer's numbers.
    bytes.resize(static_cast<std::size_t>(m_size - 16 - at));
    if (!ReadExactly(m_file, bytes.data(), bytes.size()))
        return damaged();
    XXH3_64bits_update(hash, bytes.data(), bytes.size());
    if (XXH3_64bits_digest(hash) != m_checksum || pages != m_pages)
        return damaged();
    return true;
}

} // namespace search
