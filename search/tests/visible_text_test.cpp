// What of a page is searched: the text a reader sees, joined where inline tags split it.

#include "search/visible_text.h"

#include <gtest/gtest.h>
#include <gumbo.h>

namespace search {
namespace {

PageText Read(const std::string& html) {
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size());
    PageText text = VisibleText(output->document);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return text;
}

TEST(VisibleText, KeepsWhatTheReaderSeesAndNothingElse) {
    struct Case {
        const char* html;
        const char* text;
    };
    const Case cases[] = {
        {"<p>電<b>脳</b>倶楽部</p>", "電脳倶楽部"},
        {"<p>&#x30BD;&#12501;&#x30C8; &amp; &lt;more&gt;</p>", "ソフト & <more>"},
        {"<p>a<script>var hidden = 'x';</script>b<style>p{}</style>c</p>", "abc"},
        {"<p>a<!-- hidden -->b</p>", "ab"},
        {"<p><img alt=\"hidden\" title=\"hidden\" src=\"x.gif\">shown</p>", "shown"},
        {"<p>one</p><p>two</p><div>three<br>four</div>", "one\ntwo\nthree\nfour"},
        {"<table><tr><td>cell</td><td>next</td></tr></table>", "cell\nnext"},
        {"<p>  many \r\n\t spaces  </p>", "many spaces"},
        {"<p>a&nbsp;b</p>", "a\xC2\xA0"
                            "b"},
        {"<p>a</p><noscript>hidden</noscript><p>shown</p>", "a\nshown"},
        {"<iframe src=\"x.htm\">hidden</iframe>shown", "shown"},
        {"<frameset><frame src=\"a.htm\"><noframes>hidden</noframes></frameset>", ""},
        {"<textarea>typed</textarea><select><option>one<option>two</select>", "typed\none\ntwo"},
        {"<head><title>T</title><meta name=x content=hidden></head>body", "body"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(c.html).text, c.text) << c.html;
}

TEST(VisibleText, TheTitleIsTheFirstTitleCollapsed) {
    EXPECT_EQ(Read("<title>  特集\r\n ページ </title><title>second</title>").title, "特集 ページ");
    EXPECT_EQ(Read("<p>no title</p>").title, "");
}

} // namespace
} // namespace search
