#pragma once

#include <cstddef>
#include <string_view>

namespace check {

// The length of the valid UTF-8 sequence at the start of text (1 to 4), 0 when it is not one:
// no overlong forms, no surrogates, nothing past U+10FFFF. The report writer and the page
// reader both keep only what this accepts.
std::size_t Utf8SequenceAt(std::string_view text);

} // namespace check
