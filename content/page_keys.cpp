#include "content/page_keys.h"

#include "content/cp932.h"
#include "content/disc_path.h"
#include "content/huge_pages.h"

#include <bit>
#include <functional>

namespace content {
namespace {

char LowerAsciiByte(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

std::size_t HashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

} // namespace

std::string LowerAscii(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = LowerAsciiByte(c);
    return out;
}

std::optional<std::string> LocalPathKey(std::string_view nativePathUtf8) {
    std::optional<std::string> key = Utf8ToCp932(nativePathUtf8);
    if (!key)
        return std::nullopt;
    // No CP932 trail byte is a slash, so every slash here is a separator. One pass writes the
    // separators as backslashes and lowers the capitals.
    for (char& c : *key)
        c = c == kPathDelim || c == '/' ? '\\' : LowerAsciiByte(c);
    return key;
}

PageKeyTable::PageKeyTable(const std::string& nativeHtmlDir, const StringList& htmlList) {
    std::optional<std::string> dirKey = LocalPathKey(nativeHtmlDir);
    if (!dirKey)
        return; // a content directory with no CP932 name: no page can match
    m_valid = true;
    m_dirKey = std::move(*dirKey);
    const std::size_t slots = std::bit_ceil(htmlList.size() + htmlList.size() / 3 + 1);
    m_slots.reserve(slots);
    AdviseHugePages(m_slots.data(), slots * sizeof(Slot)); // fewer faults and TLB misses
    m_slots.resize(slots);
    m_keys.reserve(htmlList.LineBytes());
    for (std::size_t k = 0; k < htmlList.size(); ++k) {
        const std::size_t offset = m_keys.size();
        for (char c : htmlList[k])
            m_keys += LowerAsciiByte(c);
        const std::string_view key = std::string_view(m_keys).substr(offset);
        const std::size_t hash = HashOf(key);
        Slot& slot = m_slots[SlotOf(key, hash)];
        if (slot.line >= 0) {
            m_keys.resize(offset); // an earlier line has the key, and the smaller line wins
            continue;
        }
        slot = {hash, offset, key.size(), static_cast<long long>(k)};
    }
}

// The slot holding the key, or the free slot where it would go.
std::size_t PageKeyTable::SlotOf(std::string_view key, std::size_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.line < 0 ||
            (slot.hash == hash && std::string_view(m_keys).substr(slot.offset, slot.length) == key))
            return i;
    }
}

std::optional<long long> PageKeyTable::Find(std::string_view key) const {
    if (!m_valid || key.substr(0, m_dirKey.size()) != m_dirKey)
        return std::nullopt;
    key.remove_prefix(m_dirKey.size());
    const Slot& slot = m_slots[SlotOf(key, HashOf(key))];
    if (slot.line < 0)
        return std::nullopt;
    return slot.line;
}

} // namespace content
