#pragma once

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace disc_image {

// Why a disc image or folder cannot be shown: the text is told to the reader as it stands.
class ImageError final : public std::runtime_error {
public:
    explicit ImageError(const std::string& what) : std::runtime_error(what) {}
};

// Work stopped because the reader asked it to (a large file's write cancelled): nothing of it
// stays, and there is nothing to tell.
class Cancelled final : public std::runtime_error {
public:
    Cancelled() : std::runtime_error("cancelled") {}
};

// A failed system call, told with the system's reason: "cannot write menu/tree.txt: No space
// left on device". Made right after the call, while errno still holds its reason.
inline ImageError SystemError(const std::string& what) {
    return ImageError(what + ": " + std::strerror(errno));
}

} // namespace disc_image
