#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pages {

// The address a meta refresh moves on to, and where it begins in the content attribute.
struct RefreshUrl {
    std::size_t offset = 0;
    std::string url;
};

// Reads the content of <meta http-equiv="refresh"> as browsers do ("5; URL='next.htm'",
// "0;url=next.htm", "3,next.htm"): a delay of digits and dots, then optionally a separator, "url"
// and "=", then the address, cut at its closing quote. Nullopt when the content is no refresh or
// only reloads the page itself.
std::optional<RefreshUrl> RefreshTarget(std::string_view content);

} // namespace pages
