#include "content/page_keys.h"

#include "content/cp932.h"
#include "content/disc_path.h"

namespace content {

std::string LowerAscii(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
    return out;
}

std::optional<std::string> LocalPathKey(std::string_view nativePathUtf8) {
    std::optional<std::string> key = Utf8ToCp932(nativePathUtf8);
    if (!key)
        return std::nullopt;
    // No CP932 trail byte is a slash, so every slash here is a separator.
    for (char& c : *key)
        if (c == kPathDelim || c == '/')
            c = '\\';
    return LowerAscii(*key);
}

PageKeyTable::PageKeyTable(const std::string& nativeHtmlDir, const StringList& htmlList) {
    std::optional<std::string> dirKey = LocalPathKey(nativeHtmlDir);
    if (!dirKey)
        return; // a content directory with no CP932 name: no page can match
    m_valid = true;
    m_dirKey = std::move(*dirKey);
    m_lines.reserve(htmlList.size());
    for (std::size_t k = 0; k < htmlList.size(); ++k)
        m_lines.try_emplace(LowerAscii(htmlList[k]), static_cast<long long>(k));
}

std::optional<long long> PageKeyTable::Find(std::string_view key) const {
    if (!m_valid || key.substr(0, m_dirKey.size()) != m_dirKey)
        return std::nullopt;
    const auto it = m_lines.find(std::string(key.substr(m_dirKey.size())));
    if (it == m_lines.end())
        return std::nullopt;
    return it->second;
}

} // namespace content
