// The snippet rule: the words found, in the page's own writing, with a little text around them.

#include "search/snippet.h"

#include <gtest/gtest.h>

namespace search {
namespace {

// The snippet with its marks drawn as [ ].
std::string Drawn(const Snippet& snippet) {
    std::string out;
    std::size_t at = 0;
    for (const Snippet::Mark& mark : snippet.marks) {
        out += snippet.text.substr(at, mark.begin - at) + "[" +
               snippet.text.substr(mark.begin, mark.end - mark.begin) + "]";
        at = mark.end;
    }
    return out + snippet.text.substr(at);
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(Snippet, MarksTheWordsAsThePageWritesThem) {
    struct Case {
        std::string page;
        const char* query;
        std::string drawn;
        const char* firstFound;
    };
    const Case cases[] = {
        {"付録のｿﾌﾄをどうぞ", "ソフト", "付録の[ｿﾌﾄ]をどうぞ", "ｿﾌﾄ"},
        {"ＷＩＮＤＯＷＳで動く", "windows", "[ＷＩＮＤＯＷＳ]で動く", "ＷＩＮＤＯＷＳ"},
        {"ﾄﾞﾗｲﾊﾞの更新", "ドライバ", "[ﾄﾞﾗｲﾊﾞ]の更新", "ﾄﾞﾗｲﾊﾞ"},
        {"電脳と倶楽部と電脳", "倶楽部 電脳", "[電脳]と[倶楽部]と[電脳]", "電脳"},
        {"first line\nsecond", "second", "first line [second]", "second"},
        {"abcabc", "bca", "a[bca]bc", "bca"},
        {"no such word", "missing", "no such word", ""},
    };
    for (const Case& c : cases) {
        const Snippet snippet = MakeSnippet(c.page, ParseQuery(c.query));
        EXPECT_EQ(Drawn(snippet), c.drawn) << c.query;
        EXPECT_EQ(snippet.firstFound, c.firstFound) << c.query;
    }
}

TEST(Snippet, CutsALongTextAroundTheFirstWord) {
    const std::string before = Repeat("あ", 200);
    const std::string after = Repeat("い", 200);
    const Snippet snippet = MakeSnippet(before + "目印" + after, ParseQuery("目印"));
    EXPECT_EQ(Drawn(snippet), "…" + Repeat("あ", 24) + "[目印]" + Repeat("い", 70) + "…");

    // Near the end, the snippet reaches back further instead of ending short.
    const Snippet late = MakeSnippet(before + "目印", ParseQuery("目印"));
    EXPECT_EQ(Drawn(late), "…" + Repeat("あ", 94) + "[目印]");

    // A word longer than a snippet is still shown whole.
    const std::string longWord = Repeat("長", 150);
    const Snippet whole = MakeSnippet("前" + longWord + "後", ParseQuery(longWord));
    EXPECT_EQ(Drawn(whole), "前[" + longWord + "]…");
}

} // namespace
} // namespace search
