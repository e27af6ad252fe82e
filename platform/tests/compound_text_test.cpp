#include "platform/compound_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(CompoundText, DecodesTheSetsXlibWritesTitlesIn) {
    struct Case {
        const char* what;
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"plain ASCII", "Quillore CD-ROM Browser Main Form"s,
         QStringLiteral("Quillore CD-ROM Browser Main Form")},
        {"Latin-1 right half is in GR from the start", "caf\xE9 \xBD"s, QStringLiteral("café ½")},
        {"Latin-2 right half", "\x1B-B\xB1\xE6"s, QStringLiteral("ąć")},
        {"JIS X 0208 in GR", "ab\x1B$)B\xC6\xFC\xCB\xDC\xB8\xEC"s, QStringLiteral("ab日本語")},
        {"JIS X 0208 in GL, then back to ASCII", "\x1B$(B\x46\x7C\x4B\x5C\x38\x6C\x1B(B Main"s,
         QStringLiteral("日本語 Main")},
        {"space in GL while a double-byte set is there", "\x1B$(B\x46\x7C \x4B\x5C"s,
         QStringLiteral("日 本")},
        {"GB 2312 in GR", "\x1B$)A\xD6\xD0\xCE\xC4"s, QStringLiteral("中文")},
        {"KS C 5601 in GR", "\x1B$)C\xC7\xD1\xB1\xDB"s, QStringLiteral("한글")},
        {"JIS X 0201 katakana in GR", "\x1B)I\xB1\xB2"s, QStringLiteral("ｱｲ")},
        {"JIS X 0201 roman: yen and overline", "\x1B(Ja\\b~"s, QStringLiteral("a¥b‾")},
        {"UTF-8 segment", "x\x1B%G\xE2\x82\xAC\xE6\x97\xA5\x1B%@y"s, QStringLiteral("x€日y")},
        {"extended segment named in the font registry", "\x1B%/1\x80\x8Ciso8859-15\x02\xA4z"s,
         QStringLiteral("€z")},
        {"direction controls carry no text", "a\x9B\x31]b\x9B]c"s, QStringLiteral("abc")},
        {"a broken JIS X 0208 character", "\x1B$)B\xC6"s, QStringLiteral("\uFFFD")},
        {"an unknown 94x94 set", "\x1B$)Z\xA1\xA1\xA1\xA1q"s, QStringLiteral("\uFFFD\uFFFDq")},
        {"a truncated escape at the end", "ok\x1B$"s, QStringLiteral("ok")},
        {"an unknown extended segment name", "\x1B%/1\x80\x88nope-9\x02\x41"s,
         QStringLiteral("\uFFFD")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::DecodeCompoundText(c.bytes), c.text) << c.what;
    }
}

} // namespace
