#include "content/text_decoder.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <map>

namespace content {

// One iconv descriptor, open for as long as its owner lives, so that no way out of a conversion
// (an allocation that throws included) leaves it open.
class IconvConversion final {
public:
    IconvConversion(const std::string& to, const std::string& from)
        : m_cd(::iconv_open(to.c_str(), from.c_str())) {}
    ~IconvConversion() {
        if (open())
            ::iconv_close(m_cd);
    }
    IconvConversion(const IconvConversion&) = delete;
    IconvConversion& operator=(const IconvConversion&) = delete;

    bool open() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Back to the initial shift state, for a new text.
    void reset() { ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

    // Converts `in` onto the end of `out` up to its end or to the first byte that cannot be
    // converted; returns the number of bytes used. The shift state of a stateful charset
    // (ISO-2022-JP) carries on to the next call.
    std::size_t convert(std::string_view in, std::string& out, bool* stopped) {
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[4096];
        *stopped = false;
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = ::iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                *stopped = true; // EILSEQ, or EINVAL for a character cut off by the end
                break;
            }
        }
        return in.size() - inLeft;
    }

private:
    iconv_t m_cd;
};

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool IsUtf8(std::string_view charset) {
    return charset == "UTF-8" || charset == "utf-8";
}

// The length of the valid UTF-8 sequence at the start of text (1 to 4), 0 when it is not one:
// no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t Utf8SequenceAt(std::string_view text) {
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = b(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || b(1) < low || b(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return length;
}

// The valid UTF-8 of text, each byte of a bad sequence one U+FFFD.
std::string Utf8Checked(std::string_view text, std::vector<std::size_t>* replaced) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = Utf8SequenceAt(text.substr(offset));
        if (length == 0) {
            out += kReplacement;
            if (replaced)
                replaced->push_back(offset);
            ++offset;
        } else {
            out.append(text.substr(offset, length));
            offset += length;
        }
    }
    return out;
}

} // namespace

TextDecoder::TextDecoder(std::string_view charset)
    : m_utf8(IsUtf8(charset)), m_unit(charset.starts_with("UTF-16") ? 2 : 1) {
    if (!m_utf8) {
        m_iconv = std::make_unique<IconvConversion>("UTF-8", std::string(charset));
        if (!m_iconv->open())
            m_iconv.reset();
    }
}

TextDecoder::~TextDecoder() = default;

bool TextDecoder::known() const {
    return m_utf8 || m_iconv != nullptr;
}

std::string TextDecoder::decode(std::string_view bytes, std::vector<std::size_t>* replaced) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t offset = 0;
    const auto replace = [&](std::size_t length) {
        out += kReplacement;
        if (replaced)
            replaced->push_back(offset);
        bytes.remove_prefix(length);
        offset += length;
    };
    if (m_iconv) {
        m_iconv->reset();
        while (!bytes.empty()) {
            bool stopped = false;
            const std::size_t used = m_iconv->convert(bytes, out, &stopped);
            bytes.remove_prefix(used);
            offset += used;
            if (stopped)
                replace(std::min(m_unit, bytes.size()));
        }
        // iconv writes code points past U+10FFFF as they come (UCS-4 holds them); only they
        // start with 0xF4 0x90 or above, so the rare text holding such a byte is checked again.
        if (std::any_of(out.begin(), out.end(),
                        [](char c) { return static_cast<unsigned char>(c) >= 0xF4; }))
            return Utf8Checked(out, nullptr);
        return out;
    }
    if (m_utf8)
        return Utf8Checked(bytes, replaced);
    // A charset iconv does not know keeps its ASCII.
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes[0]) < 0x80) {
            out += bytes[0];
            bytes.remove_prefix(1);
            ++offset;
        } else {
            replace(1);
        }
    }
    return out;
}

std::string DecodeText(std::string_view bytes, std::string_view charset) {
    thread_local std::map<std::string, TextDecoder, std::less<>> decoders;
    auto found = decoders.find(charset);
    if (found == decoders.end())
        found = decoders.try_emplace(std::string(charset), charset).first;
    return found->second.decode(bytes);
}

std::optional<std::string> EncodeText(std::string_view utf8, std::string_view charset) {
    thread_local std::map<std::string, IconvConversion, std::less<>> encoders;
    auto found = encoders.find(charset);
    if (found == encoders.end())
        found =
            encoders.try_emplace(std::string(charset), std::string(charset), std::string("UTF-8"))
                .first;
    IconvConversion& conversion = found->second;
    if (!conversion.open())
        return std::nullopt;
    conversion.reset();
    std::string out;
    bool stopped = false;
    conversion.convert(utf8, out, &stopped);
    if (stopped)
        return std::nullopt;
    return out;
}

} // namespace content
