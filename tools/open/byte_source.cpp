#include "tools/open/byte_source.h"

#include "tools/open/image_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace disc_image {

FileSource::FileSource(const std::string& path) : m_path(path) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        throw SystemError(path);
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(m_fd);
        throw ImageError(path + ": not a regular file");
    }
    m_size = static_cast<std::uint64_t>(st.st_size);
}

FileSource::~FileSource() {
    ::close(m_fd);
}

std::size_t FileSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < size) {
        const ssize_t n = ::pread(m_fd, out + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw ImageError(m_path + ": cannot be read: " + std::strerror(errno));
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::size_t MemorySource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
    if (offset >= m_bytes.size())
        return 0;
    const std::size_t n =
        static_cast<std::size_t>(std::min<std::uint64_t>(size, m_bytes.size() - offset));
    std::memcpy(buffer, m_bytes.data() + offset, n);
    return n;
}

} // namespace disc_image
