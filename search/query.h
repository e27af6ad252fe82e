#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace search {

// The longest query taken, in characters: a reader types words, not pages.
inline constexpr std::size_t kLongestQuery = 1000;

// What the reader asked for: the words, folded as the pages are, each to be found as a
// substring (Japanese has no spaces between words, so a word is any run of characters and a
// single character works). Several words must all appear.
struct Query {
    enum class State { Words, Empty, TooLong };
    State state = State::Empty;
    std::vector<std::string> words; // folded, none empty, none twice; longest first

    bool Usable() const { return state == State::Words; }
};

// The reader's text (UTF-8) as a query: words are parted by any white space, the ideographic
// space included. A text of nothing but spaces is empty; one over kLongestQuery characters is
// refused whole.
Query ParseQuery(std::string_view utf8);

// Whether every word of the query appears in the folded text.
bool MatchesAll(std::string_view foldedText, const Query& query);

} // namespace search
