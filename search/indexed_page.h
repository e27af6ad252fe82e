#pragma once

#include <string>
#include <string_view>

namespace search {

// One page the disc shows, as the search keeps it.
struct IndexedPage {
    std::string page;   // its path from the content directory, '/'-separated
    int node = -1;      // the tree entry that lists it (the smallest line), -1: only links reach it
    std::string title;  // UTF-8
    std::string text;   // the visible text, UTF-8 (search/visible_text.h)
    std::string folded; // the text folded for matching (search/text_fold.h)

    bool operator==(const IndexedPage&) const = default;
};

// The same as read from the cache: views into the reader's buffer, valid during the visit.
struct IndexedPageView {
    std::string_view page;
    int node = -1;
    std::string_view title;
    std::string_view text;
    std::string_view folded;
};

} // namespace search
