#include "search/snippet.h"

#include "search/text_fold.h"

#include <algorithm>

namespace search {
namespace {

bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// The byte offset `characters` characters before `from` (or 0).
std::size_t Back(std::string_view text, std::size_t from, std::size_t characters) {
    while (from > 0 && characters > 0) {
        --from;
        while (from > 0 && !StartsCharacter(text[from]))
            --from;
        --characters;
    }
    return from;
}

// The byte offset `characters` characters after `from` (or the end).
std::size_t Forward(std::string_view text, std::size_t from, std::size_t characters) {
    while (from < text.size() && characters > 0) {
        ++from;
        while (from < text.size() && !StartsCharacter(text[from]))
            ++from;
        --characters;
    }
    return from;
}

std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

struct Found {
    std::size_t begin;
    std::size_t end;
};

// Every place in the written text where a word of the query stands, in order, overlaps joined.
std::vector<Found> WrittenPlaces(const FoldedText& folded, const Query& query) {
    std::vector<Found> places;
    const std::string& text = folded.Folded();
    for (const std::string& word : query.words) {
        for (std::size_t at = text.find(word); at != std::string::npos;
             at = text.find(word, at + 1)) {
            const FoldedText::Range written = folded.Written(at, at + word.size());
            places.push_back({written.begin, written.end});
        }
    }
    std::sort(places.begin(), places.end(),
              [](const Found& a, const Found& b) { return a.begin < b.begin; });
    std::vector<Found> joined;
    for (const Found& place : places) {
        if (!joined.empty() && place.begin <= joined.back().end)
            joined.back().end = std::max(joined.back().end, place.end);
        else
            joined.push_back(place);
    }
    return joined;
}

} // namespace

Snippet MakeSnippet(std::string_view pageText, const Query& query) {
    Snippet snippet;
    std::vector<Found> places;
    if (query.Usable()) {
        const FoldedText folded(pageText);
        places = WrittenPlaces(folded, query);
    }
    std::size_t begin = 0;
    if (!places.empty()) {
        begin = Back(pageText, places.front().begin, kSnippetBefore);
        snippet.firstFound = std::string(
            pageText.substr(places.front().begin, places.front().end - places.front().begin));
    }
    std::size_t end = Forward(pageText, begin, kSnippetCharacters);
    // A first word longer than the whole snippet is still shown whole.
    if (!places.empty())
        end = std::max(end, places.front().end);
    // When the text ends early, the snippet starts earlier, so that it is as full as it can be.
    const std::size_t shown = Characters(pageText.substr(begin, end - begin));
    if (shown < kSnippetCharacters && end == pageText.size())
        begin = Back(pageText, begin, kSnippetCharacters - shown);

    const std::string_view ellipsis = "…";
    if (begin > 0)
        snippet.text += ellipsis;
    const std::size_t shift = snippet.text.size();
    std::string_view piece = pageText.substr(begin, end - begin);
    for (char c : piece)
        snippet.text += c == '\n' ? ' ' : c;
    if (end < pageText.size())
        snippet.text += ellipsis;
    for (const Found& place : places) {
        if (place.begin >= end)
            break;
        const std::size_t from = std::max(place.begin, begin);
        const std::size_t to = std::min(place.end, end);
        if (from < to)
            snippet.marks.push_back({from - begin + shift, to - begin + shift});
    }
    return snippet;
}

} // namespace search
