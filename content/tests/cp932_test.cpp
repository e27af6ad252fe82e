#include "content/cp932.h"

#include <gtest/gtest.h>

namespace {

using content::Cp932ToUtf8;
using content::InvalidCp932Offsets;
using content::Utf8ToCp932;

TEST(Cp932, ConvertsAsWindowsWritesIt) {
    const struct {
        std::string cp932;
        std::string utf8;
    } cases[] = {
        {"abc", "abc"},
        {"\x93\xC7\x8E\xD2\x83\x41\x83\x93\x83\x50\x81\x5B\x83\x67", "読者アンケート"},
        {"\x95\x5C\x5C", "表\\"},           // a 0x5C second byte, then a real backslash
        {"\x83\x5C\x5C\x83\x5C", "ソ\\ソ"}, // ソ ends in 0x5C too
        {"\x5C\x7E", "\\~"},                // CP932, not JIS X 0201: backslash and tilde
        {"\x81\x5F", "＼"},                 // the full-width reverse solidus of CP932
        {"\x87\x40", "①"},                  // NEC row
        {"\x81\x7E", "×"},
        {"\xB1", "ｱ"}, // half-width katakana
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.utf8;
    }
}

// The replacement policy itself is the text decoder's; here only what CP932 adds: plain text is
// returned as it is, and the checker is told where each bad byte lies.
TEST(Cp932, ReportsTheOffsetOfEachBadByte) {
    EXPECT_EQ(Cp932ToUtf8("a\xFF"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(InvalidCp932Offsets("a\xFF"
                                  "b\x93\xC7\x81"),
              (std::vector<std::size_t>{1, 5}));
    EXPECT_TRUE(InvalidCp932Offsets("\x93\xC7\x8E\xD2 plain").empty());
}

TEST(Cp932, ReverseConversionRefusesWhatHasNoShiftJisForm) {
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value()); // an emoji
    EXPECT_FALSE(Utf8ToCp932("\xC3").has_value());             // broken UTF-8
    EXPECT_EQ(Utf8ToCp932("/media/cd/_html/"), "/media/cd/_html/");
}

} // namespace
