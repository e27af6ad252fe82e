#pragma once

#include "pages/page_scan.h"
#include "pages/parse_arena.h"

#include <optional>
#include <string>
#include <string_view>

namespace pages {

// A page's text as the view's engine reads it: decoded from the charset a byte-order mark names;
// without one, as Shift-JIS, and again in the charset a meta element declares when it declares
// another. Parsed into the arena, which holds the tree until its next parse.
struct DecodedPage {
    std::string charset; // the charset the text was decoded from ("Shift_JIS", "UTF-8" ...)
    std::string text;    // UTF-8
    PageScan scan;       // not parsed: the parser gave up
};

DecodedPage DecodeAndScan(std::string_view bytes, ParseArena& arena);

// Why a page's text and references cannot be known.
enum class Unread {
    TooLarge,   // over 1 GiB: positions in it do not fit the parser's offsets
    Unreadable, // not a regular file, or no permission
    Binary,     // NUL bytes and no byte-order mark: binary data
    NotParsed,  // the parser gave up on it (elements nested thousands deep)
    Failed,     // reading or decoding stopped part way: detail says why
};

// One page, read, decoded and parsed: everything stays valid until the reader's next page.
struct PageRead {
    std::optional<Unread> unread; // set: nothing below is
    std::string detail;           // Failed: the reason
    std::string bytes;            // the file as read
    DecodedPage page;
};

// Reads pages one after another, each parse in the same arena, so that memory stays with the
// largest page. Not for several threads at once: each thread has its own.
class PageReader final {
public:
    const PageRead& Read(const std::string& nativePath);

private:
    ParseArena m_arena;
    PageRead m_read;
};

} // namespace pages
