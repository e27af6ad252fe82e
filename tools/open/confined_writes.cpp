#include "tools/open/confined_writes.h"

#include "tools/open/image_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace disc_image {

Fd OpenFolder(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        throw SystemError("cannot open " + path);
    return fd;
}

Fd OpenParent(int root, const std::string& path, std::string& leaf) {
    Fd dir(::fcntl(root, F_DUPFD_CLOEXEC, 0));
    if (dir.get() < 0)
        throw SystemError("cannot open the cache folder");
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            leaf = path.substr(start);
            return dir;
        }
        const std::string name = path.substr(start, slash - start);
        Fd next(::openat(dir.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0)
            throw SystemError("cannot open the cache folder " + path.substr(0, slash));
        dir = std::move(next);
        start = slash + 1;
    }
}

Fd CreateFile(int parent, const std::string& leaf, const std::string& what) {
    Fd fd(
        ::openat(parent, leaf.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        throw SystemError("cannot write " + what);
    return fd;
}

void WriteAll(int fd, const void* data, std::size_t size, const std::string& what) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw SystemError("cannot write " + what);
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

void CopyData(int from, int to, const std::string& fromWhat, const std::string& toWhat) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw SystemError("cannot read " + fromWhat);
        if (n == 0)
            return;
        WriteAll(to, buffer, static_cast<std::size_t>(n), toWhat);
    }
}

void MakeReadOnly(const Fd& fd, bool executable, const std::string& what) {
    if (::fchmod(fd.get(), executable ? 0555 : 0444) != 0)
        throw SystemError("cannot write " + what);
}

} // namespace disc_image
