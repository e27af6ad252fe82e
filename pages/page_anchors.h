#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pages {

// The places of a page that a link's fragment can name, as the view's engine (Chromium) finds
// them: an element whose id is the fragment, compared exactly, else an <a> whose name is the
// fragment, compared exactly in standards mode and ignoring ASCII case in quirks mode (a page
// without a doctype, as most pages of the time are). The engine tries the fragment as written
// and percent-decoded as UTF-8 (as Latin-1 when it is no UTF-8); an empty fragment and "top"
// in any case show the top of the page.
struct PageAnchors {
    std::vector<std::string> ids;   // sorted, each once
    std::vector<std::string> names; // sorted, each once; lowered in ASCII in quirks mode
    bool quirks = false;
};

// Whether a fragment (as written after its '#') shows a place of the page, its top included.
bool FragmentFound(const PageAnchors& anchors, std::string_view fragment);

} // namespace pages
