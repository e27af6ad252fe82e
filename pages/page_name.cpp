#include "pages/page_name.h"

#include <filesystem>

namespace pages {

std::string PageName(const std::string& htmlDir, const std::string& nativePath) {
    if (nativePath.starts_with(htmlDir))
        return nativePath.substr(htmlDir.size());
    return std::filesystem::path(nativePath)
        .lexically_relative(std::filesystem::path(htmlDir))
        .generic_string();
}

} // namespace pages
