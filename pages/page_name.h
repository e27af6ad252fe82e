#pragma once

#include <string>

namespace pages {

// A page's path as the reader and the editor name it: from the content directory,
// '/'-separated, "../" for a page beside it.
std::string PageName(const std::string& htmlDir, const std::string& nativePath);

} // namespace pages
