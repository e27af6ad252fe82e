#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pages {

// A file that style text asks for: url(...) (a picture, a font) or @import (a style sheet).
struct CssUrl {
    std::size_t offset = 0; // where the URL's text begins in the style text
    std::string url;        // escapes resolved
    bool import = false;
};

// The URLs of style text (a <style> element or a style attribute), read by the tokenising rules
// of CSS: comments and strings are skipped as such, url( is a URL only where an identifier
// begins, unquoted or quoted, and a string after @import names a style sheet.
std::vector<CssUrl> CssUrls(std::string_view css);

} // namespace pages
