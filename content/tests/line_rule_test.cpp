#include "content/line_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines Collected(const content::StringList& list) {
    return Lines(list.begin(), list.end());
}

TEST(SplitLines, FollowsTheLineRule) {
    using namespace std::string_literals;
    const struct {
        std::string input;
        Lines lines;
    } cases[] = {
        {""s, {}},
        {"\0abc\r\n"s, {}},
        {"a\r\nb\r\n"s, {"a", "b"}},
        {"a\rb\r"s, {"a", "b"}},
        {"a\nb\n"s, {"a", "b"}},
        {"a\n\rb\n\r"s, {"a", "", "b", ""}},
        {"\r\n\r\n"s, {"", ""}},
        {"last"s, {"last"}},
        {"a\r\n\r\n\r\n"s, {"a", "", ""}},
        {"a\r\nb\0c\r\nd"s, {"a", "b"}},
        {" \tx \t\r\n"s, {" \tx \t"}},
        {"\r\r\n\n"s, {"", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Collected(content::SplitLines(c.input)), c.lines)
            << testing::PrintToString(c.input);
        EXPECT_EQ(
            Collected(content::SplitLines(content::TextBytes(c.input.begin(), c.input.end()))),
            c.lines)
            << testing::PrintToString(c.input);
    }
}

TEST(SplitLines, KeepsShiftJisBytesWhole) {
    // 表 (0x95 0x5C) and ソ (0x83 0x5C): second bytes that look like a backslash are text.
    const std::string text = "\x95\x5C\x83\x5C\r\n\x81\x40x";
    EXPECT_EQ(Collected(content::SplitLines(text)), (Lines{"\x95\x5C\x83\x5C", "\x81\x40x"}));
}

} // namespace
