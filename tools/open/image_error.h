#pragma once

#include <stdexcept>
#include <string>

namespace disc_image {

// Why a disc image or folder cannot be shown: the text is told to the reader as it stands.
class ImageError final : public std::runtime_error {
public:
    explicit ImageError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace disc_image
