#pragma once

#include "tools/open/file_descriptor.h"

#include <stop_token>
#include <string>

namespace disc_image {

// An exclusive lock (flock) on a file, made when missing: waited for, and held while this lives.
// Locks taken through separate opens exclude each other also within one process, so two
// threads take turns as two processes do. Throws ImageError when the file cannot be opened, and
// Cancelled when `stop` is requested while the lock is waited for: another open of the image may
// hold it for as long as it takes to extract the whole disc.
class FileLock final {
public:
    explicit FileLock(const std::string& path, const std::stop_token& stop = {});

private:
    Fd m_fd;
};

// Whether someone holds the lock on `path` now. A missing file is no one's lock.
bool IsLocked(const std::string& path);

} // namespace disc_image
