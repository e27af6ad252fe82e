#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace check {

// The JSON text of a string, quotes included. Control characters, tabs included, are written
// as \u00XX, and bytes that are not UTF-8 become U+FFFD, so that whatever a file name or a disc
// holds, the output stays one valid JSON text.
std::string JsonString(std::string_view utf8);

// Writes one JSON value, indented for reading. A container opened as compact is written on one
// line together with everything inside it.
class JsonWriter final {
public:
    void BeginObject(bool compact = false) { Open('{', compact); }
    void EndObject() { Close('}'); }
    void BeginArray(bool compact = false) { Open('[', compact); }
    void EndArray() { Close(']'); }

    // The name of the next member of the open object.
    void Key(std::string_view name);

    void String(std::string_view utf8);
    void Number(long long value);
    void Bool(bool value);
    void Null();
    void OptionalString(const std::optional<std::string>& utf8);
    void OptionalNumber(const std::optional<int>& value);

    const std::string& Text() const { return m_out; }

private:
    struct Level {
        bool compact = false;
        bool empty = true;
    };
    void Open(char bracket, bool compact);
    void Close(char bracket);
    void BeforeValue();
    void NewLine();

    std::string m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

} // namespace check
