#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace search {

// The one folding of text for matching, used for the pages and for the reader's words alike:
// Unicode NFKC with case folding (ICU's NFKC_Casefold), so that half-width ｿﾌﾄ and full-width
// ＷＩＮＤＯＷＳ meet ソフト and windows. UTF-8 in, UTF-8 out; a byte that is no UTF-8 becomes
// U+FFFD.
std::string FoldText(std::string_view utf8);

// A text folded with the way back: where each part of the folded text came from in the text as
// written, so that a match found in the folded text is marked in the words the page shows.
class FoldedText final {
public:
    explicit FoldedText(std::string_view utf8);
    ~FoldedText();
    FoldedText(const FoldedText&) = delete;
    FoldedText& operator=(const FoldedText&) = delete;

    const std::string& Folded() const { return m_folded; }
    // The written range [begin, end) that the folded range [begin, end) came from: widened to
    // whole characters of the written text where folding joined or split them.
    struct Range {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    Range Written(std::size_t foldedBegin, std::size_t foldedEnd) const;

private:
    struct Changes; // ICU's record of the edits (text_fold.cpp)
    std::string m_folded;
    Changes* m_changes;
    std::size_t m_writtenSize;
};

} // namespace search
