#include "tools/check/json_writer.h"

#include "tools/check/utf8_sequence.h"

namespace check {
namespace {

constexpr char kHex[] = "0123456789abcdef";

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    while (!utf8.empty()) {
        const auto c = static_cast<unsigned char>(utf8[0]);
        const std::size_t length = Utf8SequenceAt(utf8);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            utf8.remove_prefix(1);
            continue;
        }
        if (length > 1) {
            out += utf8.substr(0, length);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
        utf8.remove_prefix(length);
    }
    out += '"';
    return out;
}

void JsonWriter::NewLine() {
    m_out += '\n';
    m_out.append(2 * m_levels.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level& level = m_levels.back();
    if (!level.empty)
        m_out += level.compact ? ", " : ",";
    if (!level.compact)
        NewLine();
    level.empty = false;
}

void JsonWriter::Open(char bracket, bool compact) {
    BeforeValue();
    m_out += bracket;
    const bool inCompact = !m_levels.empty() && m_levels.back().compact;
    m_levels.push_back({compact || inCompact, true});
}

void JsonWriter::Close(char bracket) {
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (!level.compact && !level.empty)
        NewLine();
    m_out += bracket;
    if (m_levels.empty())
        m_out += '\n';
}

void JsonWriter::Key(std::string_view name) {
    BeforeValue();
    m_out += JsonString(name);
    m_out += ": ";
    m_afterKey = true;
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    m_out += JsonString(utf8);
}

void JsonWriter::Number(long long value) {
    BeforeValue();
    m_out += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    m_out += "null";
}

void JsonWriter::OptionalString(const std::optional<std::string>& utf8) {
    if (utf8)
        String(*utf8);
    else
        Null();
}

void JsonWriter::OptionalNumber(const std::optional<int>& value) {
    if (value)
        Number(static_cast<long long>(*value));
    else
        Null();
}

} // namespace check
