#include "pages/page_charset.h"

#include "content/cp932.h"
#include "content/text_decoder.h"

namespace pages {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::string Lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = Lower(c);
    return out;
}

struct Label {
    const char* label;
    const char* charset;
};

// The labels of the encodings Japanese pages of the time declare, as browsers read them.
constexpr Label kLabels[] = {
    {"csshiftjis", "Shift_JIS"},
    {"ms932", "Shift_JIS"},
    {"ms_kanji", "Shift_JIS"},
    {"shift-jis", "Shift_JIS"},
    {"shift_jis", "Shift_JIS"},
    {"sjis", "Shift_JIS"},
    {"windows-31j", "Shift_JIS"},
    {"x-sjis", "Shift_JIS"},
    {"unicode-1-1-utf-8", "UTF-8"},
    {"unicode11utf8", "UTF-8"},
    {"unicode20utf8", "UTF-8"},
    {"utf-8", "UTF-8"},
    {"utf8", "UTF-8"},
    {"x-unicode20utf8", "UTF-8"},
    // A page cannot declare itself UTF-16 in a meta element it could be read by: such a
    // declaration means UTF-8.
    {"utf-16", "UTF-8"},
    {"utf-16le", "UTF-8"},
    {"utf-16be", "UTF-8"},
    {"unicodefffe", "UTF-8"},
    {"cseucpkdfmtjapanese", "EUC-JP"},
    {"euc-jp", "EUC-JP"},
    {"x-euc-jp", "EUC-JP"},
    {"csiso2022jp", "ISO-2022-JP"},
    {"iso-2022-jp", "ISO-2022-JP"},
    {"ascii", "windows-1252"},
    {"us-ascii", "windows-1252"},
    {"iso-8859-1", "windows-1252"},
    {"iso8859-1", "windows-1252"},
    {"iso_8859-1", "windows-1252"},
    {"latin1", "windows-1252"},
    {"l1", "windows-1252"},
    {"cp1252", "windows-1252"},
    {"windows-1252", "windows-1252"},
    {"x-cp1252", "windows-1252"},
};

// The name iconv knows a charset by: its Japanese decoders are the Windows variants, as are the
// browsers'.
std::string IconvName(std::string_view charset) {
    if (charset == "EUC-JP")
        return "EUC-JP-MS";
    if (charset == "windows-1252")
        return "CP1252";
    return std::string(charset);
}

bool IconvKnows(const std::string& name) {
    return content::TextDecoder(name).known();
}

} // namespace

std::optional<std::string> CharsetOfBom(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return std::string(kUtf8);
    if (bytes.starts_with("\xFF\xFE"))
        return "UTF-16LE";
    if (bytes.starts_with("\xFE\xFF"))
        return "UTF-16BE";
    return std::nullopt;
}

std::optional<std::string> CharsetOfLabel(std::string_view label) {
    while (!label.empty() && IsSpace(label.front()))
        label.remove_prefix(1);
    while (!label.empty() && IsSpace(label.back()))
        label.remove_suffix(1);
    if (label.empty())
        return std::nullopt;
    const std::string lowered = Lowered(label);
    for (const Label& known : kLabels)
        if (lowered == known.label)
            return std::string(known.charset);
    // Other encodings a page may declare (EUC-KR, Big5, KOI8-R ...) are read as iconv reads them.
    std::string upper(label);
    for (char& c : upper)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
    if (upper.find('/') == std::string::npos && IconvKnows(upper))
        return upper;
    return std::nullopt;
}

std::string_view CharsetInContentType(std::string_view content) {
    const std::string lowered = Lowered(content);
    std::size_t position = 0;
    while (true) {
        const std::size_t found = lowered.find("charset", position);
        if (found == std::string::npos)
            return {};
        std::size_t i = found + 7;
        while (i < content.size() && IsSpace(content[i]))
            ++i;
        if (i >= content.size() || content[i] != '=') {
            position = found + 7;
            continue;
        }
        ++i;
        while (i < content.size() && IsSpace(content[i]))
            ++i;
        if (i >= content.size())
            return {};
        if (content[i] == '"' || content[i] == '\'') {
            const std::size_t close = content.find(content[i], i + 1);
            if (close == std::string_view::npos)
                return {};
            return content.substr(i + 1, close - i - 1);
        }
        std::size_t end = i;
        while (end < content.size() && !IsSpace(content[end]) && content[end] != ';')
            ++end;
        return content.substr(i, end - i);
    }
}

std::string DecodePage(std::string_view bytes, std::string_view charset) {
    if (charset == kShiftJis)
        return content::Cp932ToUtf8(bytes);
    if (charset == kUtf8) {
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.remove_prefix(3);
    } else if ((charset == "UTF-16LE" && bytes.starts_with("\xFF\xFE")) ||
               (charset == "UTF-16BE" && bytes.starts_with("\xFE\xFF"))) {
        bytes.remove_prefix(2);
    }
    return content::DecodeText(bytes, IconvName(charset));
}

} // namespace pages
