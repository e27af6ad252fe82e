#include "content/line_rule.h"

#include "content/huge_pages.h"
#include "content/line_cursor.h"

#include <cstring>

namespace content {

std::size_t TextEnd(std::string_view bytes) {
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data())
               : bytes.size();
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    bytes = bytes.substr(0, TextEnd(bytes));
    std::vector<std::string> lines;
    // Counting first is cheap and saves moving every line at each growth of the vector.
    lines.reserve(CountLines(bytes));
    AdviseHugePages(lines.data(), lines.capacity() * sizeof(std::string));
    LineCursor cursor(bytes);
    for (std::string_view line; cursor.Next(line);)
        lines.emplace_back(line);
    return lines;
}

} // namespace content
