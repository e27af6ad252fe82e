// The code-page conversions on any bytes: the display conversion always yields UTF-8 and marks
// exactly the bytes the checker reports, and text that is valid CP932 survives the way back. The
// same decoder reads the bytes in the charsets pages declare, and always yields UTF-8 too.

#include "content/cp932.h"
#include "content/text_decoder.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Well-formed UTF-8 as Unicode defines it: shortest forms only, no surrogates, nothing above
// U+10FFFF.
bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            code = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            code = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            code = b & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::size_t CountReplacements(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t at = s.find(kReplacement); at != std::string_view::npos;
         at = s.find(kReplacement, at + kReplacement.size()))
        ++count;
    return count;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = content::Cp932ToUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(utf8));
    if (IsAscii(bytes))
        FUZZ_CHECK(utf8 == bytes);

    const std::vector<std::size_t> invalid = content::InvalidCp932Offsets(bytes);
    for (std::size_t k = 0; k < invalid.size(); ++k) {
        FUZZ_CHECK(invalid[k] < bytes.size());
        FUZZ_CHECK(k == 0 || invalid[k - 1] < invalid[k]);
        FUZZ_CHECK(static_cast<unsigned char>(bytes[invalid[k]]) >= 0x80);
    }
    // No CP932 character is U+FFFD, so every replacement stands for one reported byte.
    FUZZ_CHECK(CountReplacements(utf8) == invalid.size());

    if (invalid.empty()) {
        // Some characters have two CP932 forms, so the bytes may come back in the other one,
        // but they must read as the same text.
        const std::optional<std::string> back = content::Utf8ToCp932(utf8);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(content::InvalidCp932Offsets(*back).empty());
        FUZZ_CHECK(content::Cp932ToUtf8(*back) == utf8);
    }

    // The same bytes read as UTF-8 (a file name, a reported address): either refused, or turned
    // into CP932 that reads back to characters the conversion accepts again.
    if (const std::optional<std::string> cp932 = content::Utf8ToCp932(bytes)) {
        FUZZ_CHECK(IsValidUtf8(bytes));
        FUZZ_CHECK(content::InvalidCp932Offsets(*cp932).empty());
        FUZZ_CHECK(content::Utf8ToCp932(content::Cp932ToUtf8(*cp932)) == cp932);
    }

    // Valid UTF-8 comes back as it was, anything else mended.
    FUZZ_CHECK((content::DecodeText(bytes, "UTF-8") == bytes) == IsValidUtf8(bytes));
    static content::TextDecoder decoders[] = {
        content::TextDecoder("UTF-8"), content::TextDecoder("UTF-16LE"),
        content::TextDecoder("EUC-JP-MS"), content::TextDecoder("ISO-2022-JP"),
        content::TextDecoder("UCS-4")};
    for (content::TextDecoder& decoder : decoders) {
        std::vector<std::size_t> replaced;
        const std::string text = decoder.decode(bytes, &replaced);
        FUZZ_CHECK(IsValidUtf8(text));
        for (std::size_t k = 0; k < replaced.size(); ++k) {
            FUZZ_CHECK(replaced[k] < bytes.size());
            FUZZ_CHECK(k == 0 || replaced[k - 1] < replaced[k]);
        }
        // A charset that holds U+FFFD itself may bring more of them.
        FUZZ_CHECK(CountReplacements(text) >= replaced.size());
    }
    return 0;
}
