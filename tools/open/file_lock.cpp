#include "tools/open/file_lock.h"

#include "tools/open/image_error.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace disc_image {
namespace {

// How often a lock that may be given up is asked for again: flock has no wait that a request to
// stop could end.
constexpr auto kRetry = std::chrono::milliseconds(20);

} // namespace

FileLock::FileLock(const std::string& path, const std::stop_token& stop)
    : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
    if (m_fd.get() < 0)
        throw SystemError(path);
    const int how = stop.stop_possible() ? LOCK_EX | LOCK_NB : LOCK_EX;
    while (::flock(m_fd.get(), how) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            throw SystemError(path);
        if (stop.stop_requested())
            throw Cancelled();
        std::this_thread::sleep_for(kRetry);
    }
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
