// The hostile-disc tests trust this reader to refuse what is not one JSON object, so it is shown
// to refuse each way a report could go wrong.

#include "json_report_reader.h"

#include <gtest/gtest.h>

namespace {

using check_testing::ReadJsonReport;

TEST(JsonReportReader, RefusesAllButOneWellFormedObject) {
    const char* const malformed[] = {
        "",
        "[]",
        "{\"a\": 1}{}",
        "{\"a\": 1} x",
        "{\"a\": [1, 2}",
        "{\"a\": [1, 2,]}",
        "{\"a\" 1}",
        "{a: 1}",
        "{\"a\": 01}",
        "{\"a\": 1.}",
        "{\"a\": tru}",
        "{\"a\": \"\x01\"}",
        "{\"a\": \"\\x\"}",
        "{\"a\": \"\\ud800\"}",
        "{\"a\": \"\xC3\"}",
        "{\"a\": \"\xC0\xAF\"}",
        "{\"a\": \"\xED\xA0\x80\"}",
        "{\"a\": \"open}",
    };
    for (const char* text : malformed) {
        std::string error;
        EXPECT_FALSE(ReadJsonReport(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    std::string deep = "{\"a\": ";
    deep += std::string(100, '[') + std::string(100, ']') + "}";
    std::string error;
    EXPECT_FALSE(ReadJsonReport(deep, error));
}

TEST(JsonReportReader, ReadsMembersArraysAndProblems) {
    const std::string text =
        "{\n  \"tree\": [{\"index\": 0}, {\"index\": 1}],\n  \"start\": {\"node\": -1.5e+3},\n"
        "  \"info\": \"\\u00e9\\ud83d\\ude00 \xE3\x83\xBD\",\n  \"problems\": [\n"
        "    {\"severity\": \"error\", \"file\": \"tree.txt\", \"line\": 3, \"message\": "
        "\"a\\\"b\"},\n"
        "    {\"severity\": \"note\", \"file\": null, \"line\": null, \"message\": \"\"}\n  ]\n}\n";
    std::string error;
    const auto report = ReadJsonReport(text, error);
    ASSERT_TRUE(report) << error;
    EXPECT_EQ(report->members, (std::vector<std::string>{"tree", "start", "info", "problems"}));
    EXPECT_EQ(report->arrayLengths.at("tree"), 2u);
    ASSERT_EQ(report->problems.size(), 2u);
    EXPECT_EQ(report->problems[0].severity, "error");
    EXPECT_EQ(report->problems[0].file, "tree.txt");
    EXPECT_EQ(report->problems[0].line, 3);
    EXPECT_EQ(report->problems[0].message, "a\"b");
    EXPECT_FALSE(report->problems[1].file);
    EXPECT_FALSE(report->problems[1].line);
}

} // namespace
