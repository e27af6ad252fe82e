#include "content/string_list.h"

#include "content/content_error.h"
#include "content/file_read.h"
#include "content/huge_pages.h"
#include "content/line_rule.h"

namespace content {

StringList::StringList(std::initializer_list<std::string_view> lines) {
    m_ranges.reserve(lines.size());
    for (std::string_view line : lines)
        push_back(line);
}

void StringList::push_back(std::string_view line) {
    const std::size_t begin = m_text.size();
    m_text.insert(m_text.end(), line.begin(), line.end());
    m_ranges.push_back({begin, m_text.size()});
}

void StringList::clear() {
    m_text.clear();
    m_ranges.clear();
}

void StringList::reserve(std::size_t lines) {
    m_ranges.reserve(m_ranges.size() + lines);
    AdviseHugePages(m_ranges.data(), m_ranges.capacity() * sizeof(Range));
}

std::size_t StringList::LineBytes() const {
    std::size_t bytes = 0;
    for (const Range& range : m_ranges)
        bytes += range.end - range.begin;
    return bytes;
}

bool operator==(const StringList& a, const StringList& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

std::string_view ListEntry(const StringList& list, long long n) {
    if (n < 0 || static_cast<unsigned long long>(n) >= list.size())
        throw ListIndexError(n);
    return list[static_cast<std::size_t>(n)];
}

void LoadListFile(const std::string& nativePath, StringList& list) {
    list = SplitLines(ReadFileBytes(nativePath));
}

} // namespace content
