#include "content/string_list.h"

#include "content/content_error.h"
#include "content/file_read.h"
#include "content/line_rule.h"

namespace content {

StringList::StringList(std::initializer_list<std::string_view> lines) {
    m_bounds.reserve(lines.size());
    for (std::string_view line : lines)
        push_back(line);
}

void StringList::push_back(std::string_view line) {
    m_bytes.append(line);
    m_bounds.push_back(std::uint64_t{m_bytes.size()} << kEndShift);
}

void StringList::clear() {
    m_bytes.clear();
    m_bounds.clear();
}

std::size_t StringList::TextBytes() const {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < size(); ++i)
        bytes += End(i) - Begin(i);
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
    list = SplitOwnedLines(ReadWholeFile(nativePath));
}

} // namespace content
