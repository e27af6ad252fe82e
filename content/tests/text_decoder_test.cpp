#include "content/text_decoder.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string R = "\xEF\xBF\xBD"; // U+FFFD

TEST(TextDecoder, EachBadByteBecomesOneReplacementAndTheTextGoesOn) {
    const struct {
        const char* charset;
        std::string bytes;
        std::string text;
        std::vector<std::size_t> replaced;
    } cases[] = {
        {"CP932", "a\xFF"s + "b", "a" + R + "b", {1}},
        {"CP932", "x\x81 y", "x" + R + " y", {1}},                  // a lead byte without its trail
        {"CP932", "\x93\xC7\x81", "読" + R, {2}},                   // cut off by the end
        {"UTF-8", "\xE3\x81", R + R, {0, 1}},                       // cut off: one for each byte
        {"UTF-8", "\xC0\xAF/", R + R + "/", {0, 1}},                // an overlong slash
        {"UTF-8", "\xED\xA0\x80", R + R + R, {0, 1, 2}},            // a surrogate
        {"UTF-8", "\xF4\x90\x80\x80", R + R + R + R, {0, 1, 2, 3}}, // past U+10FFFF
        {"UTF-8", "\xF0\x9F\x93\x80", "\xF0\x9F\x93\x80", {}},
        {"EUC-JP-MS", "\xC9\xBD\xFF"s + "a", "表" + R + "a", {2}},
        {"UTF-16LE",
         "\x68\x88\x00\xD8"
         "a\0"s,
         "表" + R + "a",
         {2}}, // a lone surrogate, two bytes
        {"UTF-16LE", "a\0b"s, "a" + R, {2}},
        // The shift state survives a bad byte: the next two bytes are still JIS X 0208.
        {"ISO-2022-JP", "\x1B$BF|\xFFK\\\x1B(Ba", "日" + R + "本a", {5}},
        {"no-such-charset", "a\xE9z", "a" + R + "z", {1}},
    };
    for (const auto& c : cases) {
        content::TextDecoder decoder(c.charset);
        std::vector<std::size_t> replaced;
        EXPECT_EQ(decoder.decode(c.bytes, &replaced), c.text) << c.charset << " " << c.text;
        EXPECT_EQ(replaced, c.replaced) << c.charset << " " << c.text;
        EXPECT_EQ(content::DecodeText(c.bytes, c.charset), c.text) << c.charset;
    }
    // UCS-4 holds numbers past Unicode, which iconv writes as four bytes of bad UTF-8.
    EXPECT_EQ(content::DecodeText("\0\x11\0\0\0\0\0A"s, "UCS-4"), R + R + R + R + "A");
    EXPECT_FALSE(content::TextDecoder("no-such-charset").known());
}

TEST(TextDecoder, EncodingIsExactOrNothing) {
    EXPECT_EQ(content::EncodeText("表\\", "CP932"), "\x95\x5C\x5C");
    EXPECT_EQ(content::EncodeText("\xF0\x9F\x98\x80", "CP932"), std::nullopt); // no CP932 form
    EXPECT_EQ(content::EncodeText("\xC3", "CP932"), std::nullopt);             // broken UTF-8
    EXPECT_EQ(content::EncodeText("a", "no-such-charset"), std::nullopt);
}

} // namespace
