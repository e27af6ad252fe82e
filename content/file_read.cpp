#include "content/file_read.h"

#include "content/content_error.h"

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

} // namespace

std::string ReadWholeFile(const std::string& nativePath) {
    FileDescriptor fd(::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw OpenError(nativePath);
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() + 65536); // the file grew since fstat
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw OpenError(nativePath);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

bool IsRegularFile(const std::string& nativePath) {
    struct stat st {};
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace content
