#pragma once

#include "pages/page_anchors.h"
#include "pages/parse_arena.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pages {

// What the page view does with a reference, which decides how much a broken one matters.
enum class ReferenceKind {
    Link,       // a and area href: followed when clicked
    Frame,      // frame and iframe src: loaded into the page
    Refresh,    // meta refresh: the page moves on by itself
    Picture,    // img and image-input src, background, url() in style, link rel=icon
    Script,     // script src
    StyleSheet, // link rel=stylesheet href, @import
};

// Whether following or loading the reference moves the view (or a frame of it) to another page.
bool Navigates(ReferenceKind kind);

// One reference a page makes, in the page's UTF-8 text.
struct PageReference {
    ReferenceKind kind = ReferenceKind::Link;
    std::string text;       // as the page writes it, character references decoded
    std::size_t offset = 0; // where it begins in the text
    std::string where;      // the element and attribute that hold it: "img src", "style url()"
};

struct PageScan {
    const GumboInternalOutput* document = nullptr; // the parse, valid until the arena's next one
    std::vector<PageReference> references;         // in the order of the text
    std::optional<std::string> baseHref;           // the first <base href>: what references join to
    std::optional<std::string> declaredCharset;    // the first meta charset declaration's charset
    PageAnchors anchors;                           // the places its fragments can name
    bool parsed = true; // false: the parse was given up (see ParseArena); nothing else is set
};

// Parses the page's UTF-8 text with the HTML5 parsing algorithm (gumbo) and collects every
// reference the page view loads or follows, with where it begins, and the page's anchors.
PageScan ScanPage(std::string_view utf8, ParseArena& arena);

} // namespace pages
