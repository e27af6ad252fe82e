#pragma once

#include <string>

struct GumboInternalNode;

namespace search {

// What a reader sees of a page, as text: its title and the text of its body, UTF-8.
struct PageText {
    std::string title; // the first <title>, white space collapsed; empty when there is none
    std::string text;  // the visible text: runs of white space are one space, blocks one line end
};

// The visible text of a parsed page (gumbo's document node). Character references are already
// decoded by the parser, and text that inline elements split (電<b>脳</b>) stays one run. What
// the reader never sees is left out: scripts, styles, comments, attribute values, the head, and
// the fallbacks a browser with scripts and frames does not show (noscript, noframes, the text
// inside an iframe). A block element (p, div, td, li, br ...) ends a line, so that words in two
// cells never run together.
PageText VisibleText(const GumboInternalNode* document);

} // namespace search
