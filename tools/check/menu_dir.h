#pragma once

#include "content/load_sequence.h"

#include <optional>
#include <string>

namespace check {

// The directories the browser would use if its executable lay in menuDir, or why the directory
// cannot be read.
struct MenuDir {
    std::optional<content::DiscDirs> dirs;
    std::string error;
};

MenuDir DiscDirsFor(const std::string& menuDir);

} // namespace check
