#include "content/line_rule.h"

#include "content/huge_pages.h"
#include "content/line_cursor.h"

#include <cstring>

namespace content {

std::size_t TextEnd(std::string_view bytes) {
    if (bytes.empty())
        return 0; // an empty buffer may have no address at all, which memchr must not be given
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data())
               : bytes.size();
}

StringList SplitLines(std::string_view bytes) {
    bytes = bytes.substr(0, TextEnd(bytes));
    TextBytes text;
    text.reserve(bytes.size());
    AdviseHugePages(text.data(), text.capacity());
    text.insert(text.end(), bytes.begin(), bytes.end());
    return SplitLines(std::move(text));
}

StringList SplitLines(TextBytes&& bytes) {
    bytes.resize(TextEnd(std::string_view(bytes.data(), bytes.size())));
    StringList list(std::move(bytes));
    const std::string_view text = list.Text();
    // Counting first is cheap and saves moving every range at each growth.
    list.reserve(CountLines(text), 0);
    LineCursor cursor(text);
    for (std::string_view line; cursor.Next(line);) {
        const auto begin = static_cast<std::size_t>(line.data() - text.data());
        list.AddRange(begin, begin + line.size());
    }
    return list;
}

} // namespace content
