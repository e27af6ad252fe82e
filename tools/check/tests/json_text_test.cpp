#include "tools/check/json_text.h"

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
        {"\b\f\r\n\t", "\"\\u0008\\u000c\\u000d\\u000a\\u0009\""},
        {"\x01\x1f\x7f", "\"\\u0001\\u001f\\u007f\""},
        {"a\0b"s, "\"a\\u0000b\""},
        {"\\n\\u0041", "\"\\\\n\\\\u0041\""}, // a backslash before a letter is no escape
        {"ソフト\\", "\"ソフト\\\\\""},
        {"\xF0\x9F\x93\x80", "\"\xF0\x9F\x93\x80\""}, // four bytes, kept
        {"\xE3\x81", "\"" + fffd + fffd + "\""},      // cut short: one for each byte
        {"\x93\xC1", "\"" + fffd + fffd + "\""},      // Shift-JIS left unconverted
    };
    for (const auto& c : cases)
        EXPECT_EQ(check::JsonString(c.in), c.out) << c.in;
}

TEST(JsonText, IndentsBlocksAndKeepsObjectsOfPlainValuesOnOneLine) {
    // A file name that is not UTF-8 beside a number, as in a problem's line.
    const nlohmann::ordered_json document = {
        {"list", {{{"a", 1}, {"b", nullptr}, {"c", "x\ty\xFF"}}, "s"}},
        {"nested", {{"page", true}, {"buttons", nlohmann::ordered_json::array()}}},
        {"empty", nlohmann::ordered_json::array()},
        {"maybe", nullptr},
    };
    EXPECT_EQ(check::JsonText(document),
              "{\n"
              "  \"list\": [\n"
              "    {\"a\": 1, \"b\": null, \"c\": \"x\\u0009y\xEF\xBF\xBD\"},\n"
              "    \"s\"\n"
              "  ],\n"
              "  \"nested\": {\n"
              "    \"page\": true,\n"
              "    \"buttons\": []\n"
              "  },\n"
              "  \"empty\": [],\n"
              "  \"maybe\": null\n"
              "}\n");
}

} // namespace
