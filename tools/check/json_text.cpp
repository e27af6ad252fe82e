#include "tools/check/json_text.h"

#include "content/text_decoder.h"

#include <algorithm>

namespace check {
namespace {

using nlohmann::ordered_json;

// The escapes nlohmann writes short, and the \u00XX form the report writes instead.
constexpr std::string_view kShortEscapes = "btnfr";
constexpr std::string_view kLongEscapes[] = {"\\u0008", "\\u0009", "\\u000a", "\\u000c", "\\u000d"};

std::string Scalar(const ordered_json& value) {
    return value.is_string() ? JsonString(value.get_ref<const std::string&>()) : value.dump();
}

void Write(const ordered_json& value, std::size_t depth, std::string& out) {
    if (!value.is_structured() || value.empty()) {
        out += value.is_structured() ? value.dump() : Scalar(value);
        return;
    }
    const bool object = value.is_object();
    const bool oneLine = object && std::none_of(value.begin(), value.end(),
                                                [](const auto& m) { return m.is_structured(); });
    out += object ? '{' : '[';
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (it != value.begin())
            out += oneLine ? ", " : ",";
        if (!oneLine) {
            out += '\n';
            out.append(2 * (depth + 1), ' ');
        }
        if (object) {
            out += JsonString(it.key());
            out += ": ";
        }
        Write(*it, depth + 1, out);
    }
    if (!oneLine) {
        out += '\n';
        out.append(2 * depth, ' ');
    }
    out += object ? '}' : ']';
}

} // namespace

std::string JsonString(std::string_view text) {
    const std::string dumped = ordered_json(content::DecodeText(text, "UTF-8")).dump();
    std::string out;
    out.reserve(dumped.size());
    for (std::size_t i = 0; i < dumped.size(); ++i) {
        const char c = dumped[i];
        if (c == '\x7F') {
            out += "\\u007f";
        } else if (c == '\\') {
            const char escaped = dumped[++i]; // nlohmann writes a backslash only as an escape
            const std::size_t k = kShortEscapes.find(escaped);
            if (k == std::string_view::npos) {
                out += c;
                out += escaped;
            } else {
                out += kLongEscapes[k];
            }
        } else {
            out += c;
        }
    }
    return out;
}

std::string JsonText(const ordered_json& document) {
    std::string out;
    Write(document, 0, out);
    out += '\n';
    return out;
}

} // namespace check
