#include "pages/css_urls.h"
#include "pages/meta_refresh.h"
#include "pages/page_charset.h"

#include <gtest/gtest.h>

namespace {

using pages::CssUrl;

std::string Listed(const std::vector<CssUrl>& urls) {
    std::string out;
    for (const CssUrl& url : urls)
        out += std::to_string(url.offset) + (url.import ? ":import:" : ":") + url.url + " ";
    return out;
}

TEST(CssUrls, TakesUrlsAsCssTokenisesThem) {
    const struct {
        std::string css;
        std::string urls; // offset:url, space after each
    } cases[] = {
        {"body{background:url(img/back.gif)}", "20:img/back.gif "},
        {"p { background: URL( \"a b.gif\" ) }", "22:a b.gif "},
        {"p{background:url( 'x.png' )}", "19:x.png "},
        {"p{background:url(  x.png  )}", "19:x.png "},
        {"@import \"base.css\"; @import url(more.css);", "9:import:base.css 32:import:more.css "},
        {"/* url(no.gif) */ p{} /* open", ""},
        {"p{content:\"url(no.gif)\"}", ""},
        {"p{background:myurl(no.gif)}", ""},
        {"p{background:url(a b.gif)}", ""}, // a bad URL loads nothing
        {"p{background:url(a\\29 b.gif)}", "17:a)b.gif "},
        {"p{background:url(\xE8\xA1\xA8.gif)}", "17:\xE8\xA1\xA8.gif "},
        {"p{background:url(x.gif", "17:x.gif "}, // the end of the text closes it
        {"p{background:url()}", "17: "},
        {"u\\rl(x.gif)", "5:x.gif "},
        {"\\\nurl(x.gif) \\", "6:x.gif "},
        {"@import url(\"q.css\");", "13:import:q.css "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Listed(pages::CssUrls(c.css)), c.urls) << c.css;
}

TEST(RefreshTarget, ReadsTheAddressAsBrowsersDo) {
    const struct {
        std::string content;
        std::optional<std::size_t> offset;
        std::string url;
    } cases[] = {
        {"5; URL=next.htm", 7, "next.htm"},
        {"0;url='next.htm'", 7, "next.htm"},
        {"0; url = \"next.htm\" trailing", 10, "next.htm"},
        {"3,next.htm", 2, "next.htm"},
        {"3 next.htm", 2, "next.htm"},
        {"1.5; URL=a.htm", 9, "a.htm"},
        {".5;a.htm", 3, "a.htm"},
        {"2;urlx.htm", 2, "urlx.htm"},
        {"10", std::nullopt, ""},
        {"10; ", std::nullopt, ""},
        {"soon; url=a.htm", std::nullopt, ""},
        {"5x; url=a.htm", std::nullopt, ""},
        {"0; url=''", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const std::optional<pages::RefreshUrl> target = pages::RefreshTarget(c.content);
        ASSERT_EQ(target.has_value(), c.offset.has_value()) << c.content;
        if (target) {
            EXPECT_EQ(target->offset, *c.offset) << c.content;
            EXPECT_EQ(target->url, c.url) << c.content;
        }
    }
}

TEST(PageCharset, LabelsAndDeclarationsReadAsBrowsersReadThem) {
    const struct {
        std::string label;
        std::optional<std::string> charset;
    } labels[] = {
        {"Shift_JIS", "Shift_JIS"},
        {" x-sjis ", "Shift_JIS"},
        {"Windows-31J", "Shift_JIS"},
        {"utf-8", "UTF-8"},
        {"UTF-16", "UTF-8"},
        {"EUC-JP", "EUC-JP"},
        {"iso-2022-jp", "ISO-2022-JP"},
        {"ISO-8859-1", "windows-1252"},
        {"euc-kr", "EUC-KR"},
        {"no-such-charset", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : labels)
        EXPECT_EQ(pages::CharsetOfLabel(c.label), c.charset) << c.label;

    const struct {
        std::string content, label;
    } declarations[] = {
        {"text/html; charset=x-sjis", "x-sjis"},
        {"text/html;charset=\"EUC-JP\"", "EUC-JP"},
        {"text/html; CHARSET = utf-8 ; x", "utf-8"},
        {"text/html; charsetx; charset='iso-2022-jp'", "iso-2022-jp"},
        {"text/html; charset=\"unclosed", ""},
        {"text/html", ""},
    };
    for (const auto& c : declarations)
        EXPECT_EQ(pages::CharsetInContentType(c.content), c.label) << c.content;
}

TEST(PageCharset, DecodingKeepsEveryCharacterInPlace) {
    // 表 in each charset, then a byte that is no text there, then "a".
    const struct {
        std::string charset, bytes;
    } cases[] = {
        {"Shift_JIS", "\x95\x5C\xFF"
                      "a"},
        {"UTF-8", "\xEF\xBB\xBF\xE8\xA1\xA8\xFF"
                  "a"},
        {"EUC-JP", "\xC9\xBD\xFF"
                   "a"},
        {"UTF-16LE", std::string("\xFF\xFE\x68\x88\x00\xD8"
                                 "a\0",
                                 8)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pages::DecodePage(c.bytes, c.charset), "\xE8\xA1\xA8\xEF\xBF\xBD"
                                                         "a")
            << c.charset;
    EXPECT_EQ(pages::CharsetOfBom("\xEF\xBB\xBF<html>"), "UTF-8");
    EXPECT_EQ(pages::CharsetOfBom("\xFE\xFF"), "UTF-16BE");
    EXPECT_EQ(pages::CharsetOfBom("<html>"), std::nullopt);
}

} // namespace
