#include "tools/open/file_lock.h"

#include "tools/open/image_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace disc_image {

FileLock::FileLock(const std::string& path)
    : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
    if (m_fd.get() < 0)
        throw SystemError(path);
    while (::flock(m_fd.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            throw SystemError(path);
}

bool IsLocked(const std::string& path) {
    // A shared lock is refused while the exclusive one is held, and needs no write access.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    int status;
    while ((status = ::flock(fd.get(), LOCK_SH | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return status != 0 && errno == EWOULDBLOCK;
}

} // namespace disc_image
