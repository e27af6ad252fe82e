#include "pages/css_urls.h"

namespace pages {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned long HexValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned long>(c - '0');
    return static_cast<unsigned long>(Lower(c) - 'a' + 10);
}

bool IsCssSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

void AppendUtf8(std::string& out, unsigned long cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

class Tokeniser final {
public:
    explicit Tokeniser(std::string_view css) : m_css(css) {}

    std::vector<CssUrl> Run() {
        bool afterImport = false; // the last token was @import
        bool inUrlCall = false;   // the last token was url( followed by a quote
        while (m_at < m_css.size()) {
            const char c = m_css[m_at];
            if (m_css.substr(m_at, 2) == "/*") {
                const std::size_t end = m_css.find("*/", m_at + 2);
                m_at = end == std::string_view::npos ? m_css.size() : end + 2;
            } else if (IsCssSpace(c)) {
                ++m_at;
            } else if (c == '"' || c == '\'') {
                const std::size_t start = m_at + 1;
                std::string text = String(c);
                if (afterImport || inUrlCall)
                    m_urls.push_back({start, std::move(text), afterImport});
                afterImport = inUrlCall = false;
            } else if (c == '@') {
                ++m_at;
                afterImport = Lowered(Name()) == "import";
                inUrlCall = false;
            } else if (IsNameChar(c) || c == '\\') {
                const std::size_t start = m_at;
                const std::string name = Name();
                if (m_at == start) {
                    ++m_at; // a backslash before a line break or the end escapes nothing
                    afterImport = inUrlCall = false;
                    continue;
                }
                const bool import = afterImport;
                afterImport = inUrlCall = false;
                if (m_at < m_css.size() && m_css[m_at] == '(') {
                    ++m_at;
                    if (Lowered(name) == "url") {
                        inUrlCall = Url(import);
                        afterImport = inUrlCall && import; // the quoted URL still imports
                    }
                }
            } else {
                ++m_at;
                afterImport = inUrlCall = false;
            }
        }
        return std::move(m_urls);
    }

private:
    static std::string Lowered(std::string text) {
        for (char& c : text)
            c = Lower(c);
        return text;
    }

    // An escape after its backslash.
    void Escape(std::string& out) {
        if (m_at >= m_css.size()) {
            AppendUtf8(out, 0xFFFD);
            return;
        }
        if (!IsHex(m_css[m_at])) {
            out += m_css[m_at++];
            return;
        }
        unsigned long cp = 0;
        for (int digits = 0; digits < 6 && m_at < m_css.size() && IsHex(m_css[m_at]); ++digits)
            cp = cp * 16 + HexValue(m_css[m_at++]);
        if (m_at < m_css.size() && IsCssSpace(m_css[m_at]))
            ++m_at;
        AppendUtf8(out, cp);
    }

    std::string Name() {
        std::string out;
        while (m_at < m_css.size()) {
            const char c = m_css[m_at];
            if (c == '\\' && m_at + 1 < m_css.size() && m_css[m_at + 1] != '\n') {
                m_at += 1;
                Escape(out);
            } else if (IsNameChar(c)) {
                out += c;
                ++m_at;
            } else {
                break;
            }
        }
        return out;
    }

    std::string String(char quote) {
        std::string out;
        ++m_at;
        while (m_at < m_css.size()) {
            const char c = m_css[m_at];
            if (c == quote) {
                ++m_at;
                break;
            }
            if (c == '\n')
                break; // a bad string ends at the line
            ++m_at;
            if (c != '\\') {
                out += c;
            } else if (m_at < m_css.size() && m_css[m_at] == '\n') {
                ++m_at; // an escaped line break continues the string
            } else {
                Escape(out);
            }
        }
        return out;
    }

    // After "url(": an unquoted URL is taken here; true when a quoted one follows as a string.
    bool Url(bool import) {
        while (m_at < m_css.size() && IsCssSpace(m_css[m_at]))
            ++m_at;
        if (m_at < m_css.size() && (m_css[m_at] == '"' || m_css[m_at] == '\''))
            return true;
        const std::size_t start = m_at;
        std::string url;
        bool bad = false;
        while (m_at < m_css.size()) {
            const char c = m_css[m_at++];
            if (c == ')')
                break;
            if (IsCssSpace(c)) {
                while (m_at < m_css.size() && IsCssSpace(m_css[m_at]))
                    ++m_at;
                if (m_at < m_css.size() && m_css[m_at] != ')')
                    bad = true;
            } else if (c == '"' || c == '\'' || c == '(') {
                bad = true;
            } else if (c == '\\') {
                Escape(url);
            } else {
                url += c;
            }
        }
        if (!bad)
            m_urls.push_back({start, std::move(url), import});
        return false;
    }

    std::string_view m_css;
    std::size_t m_at = 0;
    std::vector<CssUrl> m_urls;
};

} // namespace

std::vector<CssUrl> CssUrls(std::string_view css) {
    return Tokeniser(css).Run();
}

} // namespace pages
