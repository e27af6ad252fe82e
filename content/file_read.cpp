#include "content/file_read.h"

#include "content/content_error.h"
#include "content/huge_pages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace content {
namespace {

class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads the whole file into any contiguous container of bytes.
template <class Bytes> Bytes ReadWhole(const std::string& nativePath) {
    FileDescriptor fd(::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw OpenError(nativePath);
    Bytes bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    AdviseHugePages(bytes.data(), bytes.capacity());
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    const auto readSome = [&](char* into, std::size_t room) {
        for (;;) {
            const ssize_t n = ::read(fd.get(), into, room);
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                throw OpenError(nativePath);
        }
    };
    while (got < bytes.size()) {
        const std::size_t n = readSome(bytes.data() + got, bytes.size() - got);
        if (n == 0) {
            bytes.resize(got); // the file shrank since fstat
            return bytes;
        }
        got += n;
    }
    // The file may have grown since fstat. Looking through a small buffer first keeps the usual
    // case, a file of the size fstat said, from moving the whole text to a larger one.
    char more[4096];
    while (const std::size_t n = readSome(more, sizeof more))
        bytes.insert(bytes.end(), more, more + n);
    return bytes;
}

} // namespace

std::string ReadWholeFile(const std::string& nativePath) {
    return ReadWhole<std::string>(nativePath);
}

TextBytes ReadFileBytes(const std::string& nativePath) {
    return ReadWhole<TextBytes>(nativePath);
}

bool IsRegularFile(const std::string& nativePath) {
    struct stat st {};
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace content
