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

TextBytes CopyText(std::string_view bytes) {
    bytes = bytes.substr(0, TextEnd(bytes));
    TextBytes text;
    text.reserve(bytes.size());
    AdviseHugePages(text.data(), text.capacity());
    text.insert(text.end(), bytes.begin(), bytes.end());
    return text;
}

void CutAtTextEnd(TextBytes& bytes) {
    bytes.resize(TextEnd(std::string_view(bytes.data(), bytes.size())));
}

namespace {

// The lines of a text already cut at TextEnd; the list keeps the text.
StringList SplitText(TextBytes&& text) {
    StringList list(std::move(text));
    const std::string_view kept = list.Text();
    // Counting first is cheap and saves moving every range at each growth.
    list.reserve(CountLines(kept));
    LineCursor cursor(kept);
    for (std::string_view line; cursor.Next(line);) {
        const auto begin = static_cast<std::size_t>(line.data() - kept.data());
        list.AddRange(begin, begin + line.size());
    }
    return list;
}

} // namespace

StringList SplitLines(std::string_view bytes) {
    return SplitText(CopyText(bytes));
}

StringList SplitLines(TextBytes&& bytes) {
    CutAtTextEnd(bytes);
    return SplitText(std::move(bytes));
}

} // namespace content
