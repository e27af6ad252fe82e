#include "content/string_list.h"

#include "content/content_error.h"
#include "content/file_read.h"
#include "content/line_rule.h"

namespace content {

const std::string& ListEntry(const StringList& list, long long n) {
    if (n < 0 || static_cast<unsigned long long>(n) >= list.size())
        throw ListIndexError(n);
    return list[static_cast<std::size_t>(n)];
}

void LoadListFile(const std::string& nativePath, StringList& list) {
    const std::string bytes = ReadWholeFile(nativePath);
    list = SplitLines(bytes);
}

} // namespace content
