#include "json_report_reader.h"

#include <stdexcept>

namespace check_testing {
namespace {

constexpr int kMaxDepth = 64;

struct Malformed : std::runtime_error {
    Malformed(std::size_t at, const std::string& what)
        : std::runtime_error("at byte " + std::to_string(at) + ": " + what) {}
};

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Reader final {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    ReportSummary Report() {
        ReportSummary summary;
        SkipSpace();
        Expect('{');
        SkipSpace();
        if (Peek() != '}') {
            for (;;) {
                const std::string name = MemberName(true);
                summary.members.push_back(name);
                if (name == "problems")
                    summary.problems = Problems();
                else if (Peek() == '[')
                    summary.arrayLengths[name] = Array(1);
                else
                    Value(1);
                SkipSpace();
                if (Peek() != ',')
                    break;
                ++m_at;
            }
        }
        Expect('}');
        SkipSpace();
        if (m_at != m_text.size())
            Fail("text after the object");
        return summary;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { throw Malformed(m_at, what); }

    char Peek() const {
        if (m_at >= m_text.size())
            Fail("unexpected end");
        return m_text[m_at];
    }
    unsigned char Byte() const { return static_cast<unsigned char>(Peek()); }

    void Expect(char c) {
        if (Peek() != c)
            Fail(std::string("expected '") + c + "'");
        ++m_at;
    }

    // An object member's name and its colon, with the space around them; the value comes next.
    std::string MemberName(bool keep) {
        SkipSpace();
        std::string name = String(keep);
        SkipSpace();
        Expect(':');
        SkipSpace();
        return name;
    }

    void SkipSpace() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    void Value(int depth) {
        if (depth > kMaxDepth)
            Fail("nested too deep");
        switch (Peek()) {
        case '{':
            Object(depth);
            break;
        case '[':
            Array(depth);
            break;
        case '"':
            String(false);
            break;
        case 't':
            Word("true");
            break;
        case 'f':
            Word("false");
            break;
        case 'n':
            Word("null");
            break;
        default:
            Number();
        }
    }

    void Object(int depth) {
        Expect('{');
        SkipSpace();
        if (Peek() == '}') {
            ++m_at;
            return;
        }
        for (;;) {
            MemberName(false);
            Value(depth + 1);
            SkipSpace();
            if (Peek() == '}') {
                ++m_at;
                return;
            }
            Expect(',');
        }
    }

    std::size_t Array(int depth) {
        Expect('[');
        SkipSpace();
        std::size_t length = 0;
        if (Peek() == ']') {
            ++m_at;
            return length;
        }
        for (;;) {
            SkipSpace();
            Value(depth + 1);
            ++length;
            SkipSpace();
            if (Peek() == ']') {
                ++m_at;
                return length;
            }
            Expect(',');
        }
    }

    void Word(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word)
            Fail("expected " + std::string(word));
        m_at += word.size();
    }

    bool IsDigit() const {
        return m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9';
    }

    void Digits() {
        if (!IsDigit())
            Fail("expected a digit");
        while (IsDigit())
            ++m_at;
    }

    std::string_view Number() {
        const std::size_t start = m_at;
        if (Peek() == '-')
            ++m_at;
        if (Peek() == '0')
            ++m_at;
        else
            Digits();
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            Digits();
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (Peek() == '+' || Peek() == '-')
                ++m_at;
            Digits();
        }
        return m_text.substr(start, m_at - start);
    }

    unsigned Hex4() {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else
                Fail("bad \\u escape");
            ++m_at;
        }
        return value;
    }

    unsigned Escape() {
        const char c = Peek();
        ++m_at;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            return static_cast<unsigned char>(c);
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'u':
            break;
        default:
            Fail("bad escape");
        }
        const unsigned code = Hex4();
        if (code >= 0xDC00 && code <= 0xDFFF)
            Fail("lone low surrogate");
        if (code < 0xD800 || code > 0xDBFF)
            return code;
        Word("\\u");
        const unsigned low = Hex4();
        if (low < 0xDC00 || low > 0xDFFF)
            Fail("high surrogate without a low one");
        return 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }

    // One UTF-8 character, checked: no overlong forms, no surrogates, nothing past U+10FFFF.
    void Utf8(std::string* out) {
        const std::size_t start = m_at;
        const unsigned char lead = Byte();
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
            Fail("not UTF-8");
        }
        ++m_at;
        for (std::size_t i = 1; i < length; ++i) {
            const unsigned char b = Byte();
            if (b < (i == 1 ? low : 0x80) || b > (i == 1 ? high : 0xBF))
                Fail("not UTF-8");
            ++m_at;
        }
        if (out)
            out->append(m_text.substr(start, length));
    }

    std::string String(bool keep) {
        std::string out;
        Expect('"');
        for (;;) {
            const unsigned char c = Byte();
            if (c == '"') {
                ++m_at;
                return out;
            }
            if (c < 0x20)
                Fail("control character in a string");
            if (c == '\\') {
                ++m_at;
                const unsigned code = Escape();
                if (keep)
                    AppendUtf8(out, code);
            } else if (c >= 0x80) {
                Utf8(keep ? &out : nullptr);
            } else {
                if (keep)
                    out += static_cast<char>(c);
                ++m_at;
            }
        }
    }

    std::optional<std::string> StringOrNull() {
        if (Peek() == 'n') {
            Word("null");
            return std::nullopt;
        }
        return String(true);
    }

    std::vector<ReportProblem> Problems() {
        std::vector<ReportProblem> problems;
        Expect('[');
        SkipSpace();
        if (Peek() == ']') {
            ++m_at;
            return problems;
        }
        for (;;) {
            SkipSpace();
            problems.push_back(Problem());
            SkipSpace();
            if (Peek() == ']') {
                ++m_at;
                return problems;
            }
            Expect(',');
        }
    }

    ReportProblem Problem() {
        ReportProblem problem;
        Expect('{');
        for (;;) {
            const std::string name = MemberName(true);
            if (name == "severity") {
                problem.severity = String(true);
            } else if (name == "message") {
                problem.message = String(true);
            } else if (name == "file") {
                problem.file = StringOrNull();
            } else if (name == "code") {
                problem.code = String(true);
            } else if (name == "line" || name == "column") {
                std::optional<long long>& number = name == "line" ? problem.line : problem.column;
                if (Peek() == 'n')
                    Word("null");
                else
                    number = std::stoll(std::string(Number()));
            } else {
                Value(3);
            }
            SkipSpace();
            if (Peek() == '}') {
                ++m_at;
                return problem;
            }
            Expect(',');
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

std::optional<ReportSummary> ReadJsonReport(std::string_view text, std::string& error) {
    try {
        return Reader(text).Report();
    } catch (const std::exception& e) {
        error = e.what();
        return std::nullopt;
    }
}

} // namespace check_testing
