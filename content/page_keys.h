#pragma once

#include "content/string_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// Lowers byte by byte: A-Z become a-z, every other byte stays, also inside double-byte
// characters (a trail byte in A-Z is lowered too, on both sides of every comparison).
std::string LowerAscii(std::string_view bytes);

// The key form of a local path reported by the page view (UTF-8, native separators): CP932 with
// every separator written as a backslash, lowered. Nullopt when the path has no CP932 form.
std::optional<std::string> LocalPathKey(std::string_view nativePathUtf8);

// The page keys of HtmlList: HtmlDir followed by line k, in the key form. Built once after
// loading (the list never changes), so that matching a reported page is one lookup; of several
// lines with the same key the smallest wins.
class PageKeyTable final {
public:
    PageKeyTable() = default;
    PageKeyTable(const std::string& nativeHtmlDir, const StringList& htmlList);

    // The smallest line whose key equals the given key (already in key form).
    std::optional<long long> Find(std::string_view key) const;

private:
    // One line's key: where its bytes lie in m_keys, and its line. The table is open addressed
    // and its keys lie in one block, so a lookup reads a slot and the key's bytes, whatever the
    // size of the list: a hash map of strings reads a bucket, a node and the string besides.
    struct Slot {
        std::size_t hash = 0;
        std::size_t offset = 0;
        std::size_t length = 0;
        long long line = -1; // -1: the slot is free
    };

    std::size_t SlotOf(std::string_view key, std::size_t hash) const;

    bool m_valid = false;
    std::string m_dirKey;      // HtmlDir in key form
    std::string m_keys;        // the lowered lines, one after the other
    std::vector<Slot> m_slots; // a power of two of them, at most three quarters used
};

} // namespace content
