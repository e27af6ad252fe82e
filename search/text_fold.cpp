#include "search/text_fold.h"

#include <unicode/bytestream.h>
#include <unicode/edits.h>
#include <unicode/normalizer2.h>
#include <unicode/stringpiece.h>
#include <unicode/utf8.h>

#include <limits>
#include <stdexcept>

namespace search {
namespace {

// ICU's Normalizer2 reads UTF-8 directly (no round trip through UTF-16) and, given an Edits,
// records which written bytes each folded byte came from. It takes lengths as int32_t.
const icu::Normalizer2& NfkcCasefold() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* folding = icu::Normalizer2::getNFKCCasefoldInstance(status);
    if (U_FAILURE(status) || folding == nullptr)
        throw std::runtime_error(std::string("ICU has no NFKC_Casefold data: ") +
                                 u_errorName(status));
    return *folding;
}

// ICU's UTF-8 normalizer treats an ill-formed sequence as U+FFFD but keeps its bytes; ours must
// never be ill-formed, so such bytes are replaced before folding.
std::string WellFormed(std::string_view utf8) {
    std::string out;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0)
            out += "\xEF\xBF\xBD";
        else
            out.append(utf8.data() + start, static_cast<std::size_t>(i - start));
    }
    return out;
}

bool IsWellFormed(std::string_view utf8) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    for (std::int32_t i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0)
            return false;
    }
    return true;
}

void Fold(std::string_view utf8, std::string& out, icu::Edits* edits) {
    if (utf8.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 4))
        throw std::length_error("text too long to fold");
    icu::StringByteSink<std::string> sink(&out, static_cast<int32_t>(utf8.size()));
    UErrorCode status = U_ZERO_ERROR;
    NfkcCasefold().normalizeUTF8(
        0, icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())), sink, edits, status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("folding failed: ") + u_errorName(status));
}

} // namespace

std::string FoldText(std::string_view utf8) {
    std::string out;
    if (IsWellFormed(utf8)) {
        Fold(utf8, out, nullptr);
    } else {
        Fold(WellFormed(utf8), out, nullptr);
    }
    return out;
}

struct FoldedText::Changes {
    icu::Edits edits;
};

FoldedText::FoldedText(std::string_view utf8) : m_changes(new Changes), m_writtenSize(utf8.size()) {
    // The written text must be well-formed for the way back to name its own bytes; page texts
    // are, as the one decoder writes them.
    if (!IsWellFormed(utf8)) {
        delete m_changes;
        throw std::invalid_argument("text to fold is not UTF-8");
    }
    try {
        Fold(utf8, m_folded, &m_changes->edits);
    } catch (...) {
        delete m_changes;
        throw;
    }
}

FoldedText::~FoldedText() {
    delete m_changes;
}

FoldedText::Range FoldedText::Written(std::size_t foldedBegin, std::size_t foldedEnd) const {
    Range range{m_writtenSize, m_writtenSize};
    if (foldedBegin >= m_folded.size() || foldedEnd <= foldedBegin)
        return range;
    foldedEnd = std::min(foldedEnd, m_folded.size());
    UErrorCode status = U_ZERO_ERROR;
    icu::Edits::Iterator it = m_changes->edits.getFineIterator();
    // The start: the written start of the change that holds the first folded byte.
    if (!it.findDestinationIndex(static_cast<int32_t>(foldedBegin), status) || U_FAILURE(status))
        return range;
    range.begin = static_cast<std::size_t>(it.sourceIndex());
    if (!it.hasChange())
        range.begin += foldedBegin - static_cast<std::size_t>(it.destinationIndex());
    // The end: the written end of the change that holds the last folded byte.
    icu::Edits::Iterator last = m_changes->edits.getFineIterator();
    if (!last.findDestinationIndex(static_cast<int32_t>(foldedEnd - 1), status) ||
        U_FAILURE(status))
        return range;
    if (last.hasChange())
        range.end = static_cast<std::size_t>(last.sourceIndex() + last.oldLength());
    else
        range.end = static_cast<std::size_t>(last.sourceIndex()) + foldedEnd -
                    static_cast<std::size_t>(last.destinationIndex());
    return range;
}

} // namespace search
