// The one matching rule: NFKC with case folding, substrings, every word.

#include "search/query.h"
#include "search/text_fold.h"

#include <gtest/gtest.h>

namespace search {
namespace {

TEST(Matching, FoldsWidthAndCaseAndFindsSubstrings) {
    struct Case {
        const char* page;
        const char* query;
        bool found;
    };
    const Case cases[] = {
        {"付録のソフトをお試しください", "ｿﾌﾄ", true}, // half-width kana
        {"付録のｿﾌﾄをお試しください", "ソフト", true}, // and the other way
        {"ＷＩＮＤＯＷＳ９８対応", "windows98", true}, // full-width letters and digits
        {"Windows 98", "WINDOWS", true},               // case
        {"ドライバ", "ﾄﾞﾗｲﾊﾞ", true},                  // half-width voiced marks compose
        {"ドライバ", "ﾄﾗｲﾊ", false},                   // but a plain ト is no ド
        {"電脳倶楽部", "脳", true},                    // a single character
        {"電脳倶楽部", "倶楽部 電脳", true},           // every word, any order
        {"電脳倶楽部", "電脳　倶楽部", true},          // parted by an ideographic space
        {"電脳倶楽部", "電脳 雑誌", false},            // one word missing
        {"Straße", "STRASSE", true},                   // full case folding
        {"㈱タルンウィック", "(株)", true},            // compatibility characters
        {"インターネット", "ネット", true},
        {"", "a", false},
    };
    for (const Case& c : cases) {
        const Query query = ParseQuery(c.query);
        ASSERT_TRUE(query.Usable()) << c.query;
        EXPECT_EQ(MatchesAll(FoldText(c.page), query), c.found)
            << "page \"" << c.page << "\", query \"" << c.query << "\"";
    }
}

TEST(Matching, EmptyAndOverlongQueriesAreNoSearch) {
    EXPECT_EQ(ParseQuery("").state, Query::State::Empty);
    EXPECT_EQ(ParseQuery(" \t　 ").state, Query::State::Empty);
    EXPECT_FALSE(MatchesAll("anything", ParseQuery("")));

    // The limit counts characters, not bytes: 1,000 kana (3,000 bytes) are taken.
    std::string kana;
    for (int i = 0; i < 1000; ++i)
        kana += "あ";
    EXPECT_EQ(ParseQuery(kana).state, Query::State::Words);
    EXPECT_EQ(ParseQuery(kana + "あ").state, Query::State::TooLong);
    EXPECT_EQ(ParseQuery(std::string(1001, 'a')).state, Query::State::TooLong);
}

TEST(Matching, WordsAreFoldedOnceAndKeptOnce) {
    const Query query = ParseQuery("ＡＢ ab Ab\tcde");
    ASSERT_TRUE(query.Usable());
    EXPECT_EQ(query.words, (std::vector<std::string>{"cde", "ab"}));
}

TEST(Matching, TextThatIsNoUtf8FoldsToReplacements) {
    // A text from a damaged page still folds to UTF-8, and its good part still matches.
    const std::string folded = FoldText("AB\xFF\xFE"
                                        "CD");
    EXPECT_EQ(folded, "ab\xEF\xBF\xBD\xEF\xBF\xBD"
                      "cd");
}

} // namespace
} // namespace search
