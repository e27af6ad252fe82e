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

StringList SplitLines(std::string_view bytes) {
    bytes = bytes.substr(0, TextEnd(bytes));
    std::string text;
    text.reserve(bytes.size());
    AdviseHugePages(text.data(), text.capacity());
    text.append(bytes);
    return SplitOwnedLines(std::move(text));
}

StringList SplitOwnedLines(std::string&& bytes) {
    bytes.resize(TextEnd(bytes));
    StringList list;
    list.m_bytes = std::move(bytes);
    const std::string_view text = list.m_bytes;
    std::vector<std::uint64_t>& bounds = list.m_bounds;
    // Counting first is cheap and saves moving every bound at each growth of the vector.
    bounds.reserve(CountLines(text));
    AdviseHugePages(bounds.data(), bounds.capacity() * sizeof(std::uint64_t));
    // Each line's bound learns how many line-end bytes follow it when the next line begins.
    std::size_t lastEnd = 0;
    LineCursor cursor(text);
    for (std::string_view line; cursor.Next(line);) {
        const auto begin = static_cast<std::size_t>(line.data() - text.data());
        if (!bounds.empty())
            bounds.back() |= begin - lastEnd;
        lastEnd = begin + line.size();
        bounds.push_back(std::uint64_t{lastEnd} << StringList::kEndShift);
    }
    if (!bounds.empty())
        bounds.back() |= text.size() - lastEnd;
    return list;
}

} // namespace content
