#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace content {

class IconvConversion; // one iconv descriptor, closed with its owner (text_decoder.cpp)

// Reads text written in one charset as UTF-8: the disc's Shift-JIS and whatever a page declares.
// One policy for every text: a byte that is no text in the charset, or a character cut off by the
// end, becomes U+FFFD and reading goes on with the next byte (the next two-byte unit in UTF-16),
// so nothing throws and nothing after a bad byte is lost or moved.
//
// iconv reads every charset but UTF-8, which is checked here: iconv lets code points past
// U+10FFFF through, and the checker's report must stay valid UTF-8 whatever a file name holds.
class TextDecoder final {
public:
    // charset is a name iconv knows ("CP932", "EUC-JP-MS", "UTF-16LE") or "UTF-8".
    explicit TextDecoder(std::string_view charset);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // False when iconv does not know the charset: such a decoder keeps ASCII and replaces every
    // other byte.
    bool known() const;

    // The text as UTF-8. The offset of each byte that became U+FFFD goes to *replaced, in order.
    std::string decode(std::string_view bytes, std::vector<std::size_t>* replaced = nullptr);

private:
    std::unique_ptr<IconvConversion> m_iconv; // none for UTF-8 and for a charset iconv lacks
    bool m_utf8;
    std::size_t m_unit; // the bytes a bad character is skipped by
};

// `bytes` read in `charset` by a decoder that each thread keeps per charset: opening one loads a
// conversion module, which costs far more than reading a line.
std::string DecodeText(std::string_view bytes, std::string_view charset);

// The reverse, exact or nothing: UTF-8 written in `charset`, nullopt when the input is not UTF-8
// or a character has no form there. For names looked up on the disc, where a near miss would name
// another file.
std::optional<std::string> EncodeText(std::string_view utf8, std::string_view charset);

} // namespace content
