#include "content/cp932.h"
#include "content/text_decoder.h"

#include <gtest/gtest.h>

#include <random>

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

// The conversion reads from a table of the decoder's own answers: every text must read as the
// decoder reads it, bad bytes and their offsets included.
TEST(Cp932, ReadsEveryTextAsTheDecoderReadsIt) {
    content::TextDecoder decoder("CP932");
    const auto same = [&](const std::string& bytes) {
        std::vector<std::size_t> offsets;
        const std::string expected = decoder.decode(bytes, &offsets);
        EXPECT_EQ(Cp932ToUtf8(bytes), expected) << testing::PrintToString(bytes);
        EXPECT_EQ(InvalidCp932Offsets(bytes), offsets) << testing::PrintToString(bytes);
    };
    for (int first = 0; first < 0x100; ++first) {
        for (int second = 0; second < 0x100; ++second) {
            const std::string pair = {static_cast<char>(first), static_cast<char>(second)};
            same(pair);
            same("a" + pair.substr(0, 1)); // a lead byte cut off by the end
        }
    }
    std::mt19937 random(1999);
    std::uniform_int_distribution<int> high(0x80, 0xFF);
    std::uniform_int_distribution<int> any(0, 0xFF);
    std::uniform_int_distribution<int> length(1, 12);
    for (int i = 0; i < 20'000; ++i) {
        std::string bytes(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(i % 2 ? high(random) : any(random));
        same(bytes);
    }
}

TEST(Cp932, ReverseConversionRefusesWhatHasNoShiftJisForm) {
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value()); // an emoji
    EXPECT_FALSE(Utf8ToCp932("\xC3").has_value());             // broken UTF-8
    EXPECT_EQ(Utf8ToCp932("/media/cd/_html/"), "/media/cd/_html/");
}

} // namespace
