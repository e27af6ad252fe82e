#include "platform/compound_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <string>

namespace platform {
namespace {

constexpr char kEscape = 0x1B;
constexpr unsigned char kControlSequenceIntroducer = 0x9B;

enum class SetKind { Ascii, JisRoman, JisKatakana, Iso8859, DoubleByte, JisX0212, Unknown };

// A graphic set as designated into GL or GR. Single-byte sets take one byte per character, the
// double-byte ones two.
struct GraphicSet final {
    SetKind kind = SetKind::Ascii;
    const char* encoding = nullptr; // the iconv name that decodes the set in its 8-bit form
    int width = 1;
};

GraphicSet Set94(char finalByte) {
    switch (finalByte) {
    case 'B':
        return {SetKind::Ascii, nullptr};
    case 'J':
        return {SetKind::JisRoman, nullptr};
    case 'I':
        return {SetKind::JisKatakana, nullptr};
    default:
        return {SetKind::Unknown, nullptr};
    }
}

// The right halves of the ISO 8859 parts, by their registered final bytes.
GraphicSet Set96(char finalByte) {
    static const std::map<char, const char*> parts = {
        {'A', "ISO-8859-1"},  {'B', "ISO-8859-2"},  {'C', "ISO-8859-3"},  {'D', "ISO-8859-4"},
        {'F', "ISO-8859-7"},  {'G', "ISO-8859-6"},  {'H', "ISO-8859-8"},  {'L', "ISO-8859-5"},
        {'M', "ISO-8859-9"},  {'T', "TIS-620"},     {'V', "ISO-8859-10"}, {'Y', "ISO-8859-13"},
        {'_', "ISO-8859-14"}, {'b', "ISO-8859-15"}, {'f', "ISO-8859-16"},
    };
    const auto it = parts.find(finalByte);
    return it == parts.end() ? GraphicSet{SetKind::Unknown, nullptr}
                             : GraphicSet{SetKind::Iso8859, it->second};
}

GraphicSet Set94x94(char finalByte) {
    switch (finalByte) {
    case 'A':
        return {SetKind::DoubleByte, "EUC-CN", 2}; // GB 2312
    case 'B':
        return {SetKind::DoubleByte, "EUC-JP", 2}; // JIS X 0208
    case 'C':
        return {SetKind::DoubleByte, "EUC-KR", 2}; // KS C 5601
    case 'D':
        return {SetKind::JisX0212, "EUC-JP", 2};
    default:
        // Unknown, but still two bytes a character: one U+FFFD for each character it held.
        return {SetKind::Unknown, nullptr, 2};
    }
}

// The names extended segments carry are X font registry names ("iso8859-15", "big5-0").
std::string IconvNameForSegment(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (name.rfind("ISO8859-", 0) == 0) {
        name.insert(3, 1, '-');
    }
    if (name.size() > 2 && name.compare(name.size() - 2, 2, "-0") == 0) {
        name.resize(name.size() - 2);
    }
    return name;
}

class Decoder final {
public:
    Decoder() = default;
    ~Decoder() {
        for (auto& [name, converter] : m_converters) {
            if (converter != Invalid()) {
                iconv_close(converter);
            }
        }
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    QString run(std::string_view in) {
        m_in = in;
        m_pos = 0;
        while (m_pos < m_in.size()) {
            const auto byte = static_cast<unsigned char>(m_in[m_pos]);
            if (byte == kEscape) {
                escape();
            } else if (byte == kControlSequenceIntroducer) {
                skipControlSequence();
            } else if (byte < 0x20 || byte == 0x7F) {
                m_out.append(QChar(
                    static_cast<char16_t>(byte))); // TAB and newline are the controls text may hold
                ++m_pos;
            } else if (byte < 0x80) {
                graphic(m_gl, 0x00);
            } else if (byte < 0xA0) {
                ++m_pos; // other C1 controls carry no text
            } else {
                graphic(m_gr, 0x80);
            }
        }
        return m_out;
    }

private:
    static iconv_t Invalid() { return reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1)); }

    void replacement() { m_out.append(QChar::ReplacementCharacter); }

    // Converts `bytes`, in `encoding`, and appends the text; undecodable bytes become U+FFFD.
    void convert(const std::string& encoding, std::string_view bytes) {
        auto [it, inserted] = m_converters.try_emplace(encoding, Invalid());
        if (inserted) {
            it->second = iconv_open("UTF-8", encoding.c_str());
        }
        if (it->second == Invalid()) {
            replacement();
            return;
        }
        std::string input(bytes);
        char* in = input.data();
        size_t inLeft = input.size();
        std::string output(input.size() * 4 + 4, '\0');
        char* out = output.data();
        size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(it->second, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                break; // cannot happen with four bytes out per byte in; stop rather than spin
            }
            // A bad or truncated character: mark it and go on with the next byte.
            m_out.append(QString::fromUtf8(output.data(), out - output.data()));
            replacement();
            out = output.data();
            outLeft = output.size();
            ++in;
            --inLeft;
            iconv(it->second, nullptr, nullptr, nullptr, nullptr);
        }
        m_out.append(QString::fromUtf8(output.data(), out - output.data()));
    }

    void graphic(const GraphicSet& set, unsigned char half) {
        const auto code = static_cast<char16_t>(m_in[m_pos] & 0x7F);
        if (half == 0 && code == 0x20) {
            m_out.append(QChar(u' ')); // in GL, 0x20 stays SPACE whatever is designated
            ++m_pos;
            return;
        }
        if (set.width == 2) {
            const bool paired = m_pos + 1 < m_in.size() &&
                                (static_cast<unsigned char>(m_in[m_pos + 1]) & 0x80) == half;
            if (!paired) {
                replacement();
                ++m_pos;
                return;
            }
            const auto first = static_cast<char>(code | 0x80);
            const auto second = static_cast<char>(m_in[m_pos + 1] | 0x80);
            m_pos += 2;
            if (set.kind == SetKind::DoubleByte) {
                convert(set.encoding, std::string{first, second});
            } else if (set.kind == SetKind::JisX0212) {
                convert(set.encoding, std::string{'\x8F', first, second});
            } else {
                replacement();
            }
            return;
        }
        ++m_pos;
        switch (set.kind) {
        case SetKind::Ascii:
            m_out.append(QChar(code));
            break;
        case SetKind::JisRoman:
            m_out.append(code == 0x5C ? QChar(0x00A5) : code == 0x7E ? QChar(0x203E) : QChar(code));
            break;
        case SetKind::JisKatakana:
            if (code >= 0x21 && code <= 0x5F) {
                m_out.append(QChar(static_cast<char16_t>(0xFF61 + code - 0x21)));
            } else {
                replacement();
            }
            break;
        case SetKind::Iso8859:
            convert(set.encoding, std::string(1, static_cast<char>(code | 0x80)));
            break;
        default:
            replacement();
            break;
        }
    }

    void escape() {
        const std::string_view rest = m_in.substr(m_pos + 1);
        auto at = [&](size_t i) {
            return i < rest.size() ? rest[i] : '\0';
        };
        if (at(0) == '(' && at(1) != '\0') {
            m_gl = Set94(at(1));
            m_pos += 3;
        } else if (at(0) == ')' && at(1) != '\0') {
            m_gr = Set94(at(1));
            m_pos += 3;
        } else if (at(0) == '-' && at(1) != '\0') {
            m_gr = Set96(at(1));
            m_pos += 3;
        } else if (at(0) == '$' && (at(1) == '(' || at(1) == ')') && at(2) != '\0') {
            (at(1) == '(' ? m_gl : m_gr) = Set94x94(at(2));
            m_pos += 4;
        } else if (at(0) == '$' && at(1) >= 'A' && at(1) <= 'C') {
            m_gl = Set94x94(at(1)); // the old short form of the three CJK designations
            m_pos += 3;
        } else if (at(0) == '%' && at(1) == 'G') {
            utf8Segment();
        } else if (at(0) == '%' && at(1) == '/' && rest.size() >= 5) { // ESC % / F M L
            extendedSegment();
        } else {
            // Unknown escape sequence: intermediates 0x20..0x2F, then one final byte.
            size_t i = 0;
            while (at(i) >= 0x20 && at(i) <= 0x2F) {
                ++i;
            }
            m_pos += 1 + i + (i < rest.size() ? 1 : 0);
        }
    }

    // ESC % G ... ESC % @: UTF-8 text, as newer Xlib writes characters no other set holds.
    void utf8Segment() {
        const size_t start = m_pos + 3;
        const size_t end = m_in.find("\x1B%@", start);
        const size_t stop = end == std::string_view::npos ? m_in.size() : end;
        m_out.append(QString::fromUtf8(m_in.data() + start, static_cast<qsizetype>(stop - start)));
        m_pos = end == std::string_view::npos ? m_in.size() : end + 3;
    }

    // ESC % / F M L name STX text: M and L give the length of name, STX and text.
    void extendedSegment() {
        const auto m = static_cast<unsigned char>(m_in[m_pos + 4]);
        const auto l = static_cast<unsigned char>(m_in[m_pos + 5]);
        if (m < 0x80 || l < 0x80) {
            replacement(); // no length to go by: the rest cannot be told apart from the segment
            m_pos = m_in.size();
            return;
        }
        const size_t length = static_cast<size_t>(m - 0x80) * 128 + (l - 0x80);
        const std::string_view segment = m_in.substr(m_pos + 6, length);
        m_pos += 6 + segment.size();
        const size_t stx = segment.find('\x02');
        if (stx == std::string_view::npos) {
            replacement();
            return;
        }
        const std::string_view text = segment.substr(stx + 1);
        if (!text.empty()) {
            convert(IconvNameForSegment(std::string(segment.substr(0, stx))), text);
        }
    }

    // CSI sequences only switch the writing direction; they carry no characters.
    void skipControlSequence() {
        ++m_pos;
        while (m_pos < m_in.size() && m_in[m_pos] >= 0x20 && m_in[m_pos] <= 0x3F) {
            ++m_pos;
        }
        if (m_pos < m_in.size()) {
            ++m_pos;
        }
    }

    std::string_view m_in;
    size_t m_pos = 0;
    QString m_out;
    GraphicSet m_gl = Set94('B');
    GraphicSet m_gr = Set96('A');
    std::map<std::string, iconv_t> m_converters;
};

} // namespace

QString DecodeCompoundText(std::string_view bytes) {
    Decoder decoder;
    return decoder.run(bytes);
}

} // namespace platform
