#include "search/query.h"

#include "search/text_fold.h"

#include <algorithm>
#include <functional>

namespace search {
namespace {

std::size_t CharacterCount(std::string_view utf8) {
    // Every byte but a continuation byte (10xxxxxx) starts a character.
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// After folding, every white space a reader types (the ideographic space U+3000, the no-break
// space) has become an ASCII space; tabs and line ends stay what they are.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

Query ParseQuery(std::string_view utf8) {
    Query query;
    if (CharacterCount(utf8) > kLongestQuery) {
        query.state = Query::State::TooLong;
        return query;
    }
    const std::string folded = FoldText(utf8);
    std::size_t i = 0;
    while (i < folded.size()) {
        while (i < folded.size() && IsSpace(folded[i]))
            ++i;
        const std::size_t start = i;
        while (i < folded.size() && !IsSpace(folded[i]))
            ++i;
        if (i > start)
            query.words.emplace_back(folded, start, i - start);
    }
    // The longest word first: it is the rarest, so a page that lacks it is passed over soonest.
    std::sort(query.words.begin(), query.words.end(),
              [](const std::string& a, const std::string& b) {
                  return a.size() != b.size() ? a.size() > b.size() : a < b;
              });
    query.words.erase(std::unique(query.words.begin(), query.words.end()), query.words.end());
    query.state = query.words.empty() ? Query::State::Empty : Query::State::Words;
    return query;
}

bool MatchesAll(std::string_view foldedText, const Query& query) {
    if (!query.Usable())
        return false;
    // Boyer-Moore-Horspool skips ahead by up to the word's length; a find() stops at every byte
    // equal to the word's first, and in Japanese UTF-8 nearly every third byte is 0xE3.
    return std::all_of(query.words.begin(), query.words.end(), [&](const std::string& word) {
        const std::boyer_moore_horspool_searcher searcher(word.begin(), word.end());
        return word.empty() ||
               std::search(foldedText.begin(), foldedText.end(), searcher) != foldedText.end();
    });
}

} // namespace search
