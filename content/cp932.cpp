#include "content/cp932.h"

#include "content/text_decoder.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace content {
namespace {

constexpr std::string_view kCp932 = "CP932";

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// The one decoder's reading of CP932, asked once for every byte and every pair of a lead byte
// and another byte, and kept: a page's text then costs a lookup per character instead of a call
// into iconv, which was a sixth of the disc checker's time. The decoder keeps no state between
// characters in CP932, so a text read through the table reads as the decoder reads it: a byte
// that is no character, or a lead byte whose pair is none (or which the text ends after),
// becomes U+FFFD, and reading goes on with the next byte.
class Cp932Table final {
public:
    Cp932Table() {
        TextDecoder decoder(kCp932);
        for (unsigned b = 0x80; b < 0x100; ++b) {
            const char bytes[] = {static_cast<char>(b)};
            m_single[b] = Asked(decoder, std::string_view(bytes, 1));
            if (!IsCp932LeadByte(static_cast<unsigned char>(b)))
                continue;
            for (unsigned t = 0; t < 0x100; ++t) {
                const char pair[] = {static_cast<char>(b), static_cast<char>(t)};
                m_pairs[PairIndex(b, t)] = Asked(decoder, std::string_view(pair, 2));
            }
        }
    }

    std::string Decode(std::string_view bytes, std::vector<std::size_t>* replaced) const {
        std::string out;
        out.reserve(bytes.size() + bytes.size() / 2);
        const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
        const std::size_t size = bytes.size();
        std::size_t i = 0;
        while (i < size) {
            // No character takes more than three bytes of UTF-8 for each of its bytes
            // (half-width katakana, U+FFFD), and each is written as four and counted by its
            // length: room for a block of input at a time.
            const std::size_t block = std::min(size - i, kBlockBytes);
            const std::size_t written = out.size();
            out.resize(written + 3 * block + 2);
            char* to = out.data() + written;
            for (const std::size_t end = i + block; i < end;) {
                const unsigned char b = from[i];
                if (b < 0x80) {
                    *to++ = static_cast<char>(b);
                    ++i;
                    continue;
                }
                const Char* found = &m_single[b];
                std::size_t length = 1;
                if (IsCp932LeadByte(b) && i + 1 < size) {
                    found = &m_pairs[PairIndex(b, from[i + 1])];
                    length = 2;
                }
                if (found->length == 0) {
                    found = &kReplacementChar;
                    length = 1;
                    if (replaced)
                        replaced->push_back(i);
                }
                std::memcpy(to, found->utf8, sizeof found->utf8);
                to += found->length;
                i += length;
            }
            out.resize(static_cast<std::size_t>(to - out.data()));
        }
        return out;
    }

private:
    struct Char {
        char utf8[4] = {};
        unsigned char length = 0; // 0: the decoder reads no character there
    };

    static std::size_t PairIndex(unsigned lead, unsigned trail) {
        return (lead < 0xE0 ? lead - 0x81 : lead - 0xE0 + 31) * 0x100 + trail;
    }

    // One character as the decoder reads the bytes, or none when it reads no single character
    // from them all.
    static Char Asked(TextDecoder& decoder, std::string_view bytes) {
        std::vector<std::size_t> bad;
        const std::string utf8 = decoder.decode(bytes, &bad);
        Char c;
        if (!bad.empty() || utf8.empty() || utf8.size() > sizeof c.utf8)
            return c;
        utf8.copy(c.utf8, utf8.size());
        c.length = static_cast<unsigned char>(utf8.size());
        return c;
    }

    static constexpr std::size_t kBlockBytes = 64 * 1024;
    static constexpr Char kReplacementChar{{'\xEF', '\xBF', '\xBD', 0}, 3}; // U+FFFD

    std::array<Char, 0x100> m_single{};
    std::array<Char, 60 * 0x100> m_pairs{}; // the 60 lead bytes, each with every second byte
};

const Cp932Table& Table() {
    static const Cp932Table table;
    return table;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    // Plain ASCII is the same in both: most paths, all issue lines.
    if (IsAscii(bytes))
        return std::string(bytes);
    return Table().Decode(bytes, nullptr);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return EncodeText(utf8, kCp932);
}

std::vector<std::size_t> InvalidCp932Offsets(std::string_view bytes) {
    std::vector<std::size_t> offsets;
    if (!IsAscii(bytes))
        Table().Decode(bytes, &offsets);
    return offsets;
}

} // namespace content
