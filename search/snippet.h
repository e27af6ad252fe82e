#pragma once

#include "search/query.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace search {

// A short piece of a page's text around the words found, for a result line.
struct Snippet {
    struct Mark {
        std::size_t begin = 0; // byte range in text
        std::size_t end = 0;
    };
    std::string text;        // UTF-8, one line; "…" where it was cut from a longer text
    std::vector<Mark> marks; // where the query's words stand in text, in order, not overlapping
    std::string firstFound;  // the first word found, as the page writes it (for the view's find)
};

inline constexpr std::size_t kSnippetBefore = 24;     // characters kept before the first word
inline constexpr std::size_t kSnippetCharacters = 96; // characters at most, marks included

// The snippet rule: the text around the earliest place where one of the query's words stands,
// from up to kSnippetBefore characters before it, at most kSnippetCharacters long; every word
// of the query within it is marked, in the text as the page writes it (a half-width ｿﾌﾄ found by
// ソフト is marked as ｿﾌﾄ). Line ends become spaces. A text where no word stands gives its
// beginning, unmarked.
Snippet MakeSnippet(std::string_view pageText, const Query& query);

} // namespace search
