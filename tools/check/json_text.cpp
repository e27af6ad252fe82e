#include "tools/check/json_text.h"

#include "content/text_decoder.h"

#include <algorithm>

namespace check {
namespace {

using nlohmann::ordered_json;

// The escapes nlohmann writes short, and the \u00XX form the report writes instead.
constexpr std::string_view kShortEscapes = "btnfr";
constexpr std::string_view kLongEscapes[] = {"\\u0008", "\\u0009", "\\u000a", "\\u000c", "\\u000d"};

// The value with every string made valid UTF-8, a U+FFFD for each bad byte.
ordered_json Mended(ordered_json value) {
    if (value.is_string())
        return content::DecodeText(value.get_ref<const std::string&>(), "UTF-8");
    if (!value.is_structured())
        return value; // nlohmann would iterate over a number as over one member: itself
    for (ordered_json& member : value)
        member = Mended(std::move(member));
    return value;
}

// nlohmann's compact text of a value, with a space after each ':' and ',' between values, and
// each control character and DEL in a string written \u00XX.
std::string Dumped(const ordered_json& value) {
    std::string dumped;
    try {
        dumped = value.dump();
    } catch (const ordered_json::type_error&) { // a string that is not UTF-8
        dumped = Mended(value).dump();
    }
    std::string out;
    out.reserve(dumped.size() + dumped.size() / 8);
    bool inString = false;
    for (std::size_t i = 0; i < dumped.size(); ++i) {
        const char c = dumped[i];
        if (inString && c == '\\') {
            const char escaped = dumped[++i];
            const std::size_t k = kShortEscapes.find(escaped);
            if (k == std::string_view::npos) {
                out += c;
                out += escaped;
            } else {
                out += kLongEscapes[k];
            }
        } else if (inString && c == '\x7F') {
            out += "\\u007f";
        } else {
            out += c;
            if (c == '"')
                inString = !inString;
            else if (!inString && (c == ':' || c == ','))
                out += ' ';
        }
    }
    return out;
}

void Write(const ordered_json& value, std::size_t depth, std::string& out) {
    const bool oneLine = !value.is_structured() || value.empty() ||
                         (value.is_object() &&
                          std::none_of(value.begin(), value.end(), [](const ordered_json& member) {
                              return member.is_structured();
                          }));
    if (oneLine) {
        out += Dumped(value);
        return;
    }
    const bool object = value.is_object();
    out += object ? '{' : '[';
    for (auto it = value.begin(); it != value.end(); ++it) {
        out += it == value.begin() ? "\n" : ",\n";
        out.append(2 * (depth + 1), ' ');
        if (object)
            out += JsonString(it.key()) + ": ";
        Write(*it, depth + 1, out);
    }
    out += '\n';
    out.append(2 * depth, ' ');
    out += object ? '}' : ']';
}

} // namespace

std::string JsonString(std::string_view text) {
    return Dumped(ordered_json(text));
}

std::string JsonText(const ordered_json& document) {
    std::string out;
    Write(document, 0, out);
    out += '\n';
    return out;
}

} // namespace check
