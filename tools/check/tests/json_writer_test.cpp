#include "tools/check/json_writer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(JsonString, EscapesWhatJsonForbidsAndRepairsBadUtf8) {
    const std::string fffd = "\xEF\xBF\xBD";
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"plain", "\"plain\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\r\n\t", "\"\\u000d\\u000a\\u0009\""},
        {"\x01\x1f\x7f", "\"\\u0001\\u001f\\u007f\""},
        {"a\0b"s, "\"a\\u0000b\""},
        {"ソフト\\", "\"ソフト\\\\\""},
        {"\xF0\x9F\x93\x80", "\"\xF0\x9F\x93\x80\""}, // four bytes, kept
        {"\xFF", "\"" + fffd + "\""},
        {"\xE3\x81", "\"" + fffd + fffd + "\""},            // cut short
        {"\xC0\xAF", "\"" + fffd + fffd + "\""},            // overlong slash
        {"\xED\xA0\x80", "\"" + fffd + fffd + fffd + "\""}, // surrogate
        {"\x93\xC1", "\"" + fffd + fffd + "\""},            // Shift-JIS left unconverted
    };
    for (const auto& c : cases)
        EXPECT_EQ(check::JsonString(c.in), c.out) << c.in;
}

TEST(JsonWriter, IndentsBlocksAndKeepsCompactOnesOnOneLine) {
    check::JsonWriter json;
    json.BeginObject();
    json.Key("list");
    json.BeginArray();
    json.BeginObject(true);
    json.Key("a");
    json.Number(1);
    json.Key("b");
    json.BeginArray();
    json.Bool(true);
    json.Null();
    json.EndArray();
    json.EndObject();
    json.String("s");
    json.EndArray();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    json.Key("maybe");
    json.OptionalNumber(std::nullopt);
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n"
                           "  \"list\": [\n"
                           "    {\"a\": 1, \"b\": [true, null]},\n"
                           "    \"s\"\n"
                           "  ],\n"
                           "  \"empty\": [],\n"
                           "  \"maybe\": null\n"
                           "}\n");
}

} // namespace
