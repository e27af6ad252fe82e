#include "content/page_keys.h"

#include <gtest/gtest.h>

namespace {

using content::LocalPathKey;
using content::PageKeyTable;

TEST(PageKeys, ReportedPagesFindTheSmallestMatchingLine) {
    const content::StringList html = {"",
                                      "feature\\cover.htm",
                                      "Feature\\Talk.HTM",
                                      "",
                                      "soft\\util.htm",
                                      "feature\\cover.htm",
                                      "\x95\x5C\\\x82\x60.htm", // 表\Ａ.htm (full-width A)
                                      "news/a.htm"};
    const PageKeyTable table("/media/cd/_html/", html);
    const auto find = [&](const char* reported) -> std::optional<long long> {
        const auto key = LocalPathKey(reported);
        return key ? table.Find(*key) : std::nullopt;
    };
    EXPECT_EQ(find("/media/cd/_html/feature/cover.htm"), 1); // line 5 too: the smaller wins
    EXPECT_EQ(find("/media/cd/_html/FEATURE/talk.htm"), 2);  // ASCII case folds
    EXPECT_EQ(find("/MEDIA/CD/_HTML/soft/UTIL.htm"), 4);
    EXPECT_EQ(find("/media/cd/_html/"), 0); // the directory: first empty line
    EXPECT_EQ(find("/media/cd/_html/\xE8\xA1\xA8/\xEF\xBC\xA1.htm"), 6);
    EXPECT_EQ(find("/media/cd/_html/\xE8\xA1\xA8/\xEF\xBD\x81.htm"), std::nullopt); // ａ not folded
    EXPECT_EQ(find("/media/cd/_html/news/a.htm"),
              std::nullopt); // a slash in a line is no separator
    EXPECT_EQ(find("/media/cd/_html/missing.htm"), std::nullopt);
    EXPECT_EQ(find("/media/cd/_htmlx/feature/cover.htm"), std::nullopt);
    EXPECT_EQ(find("/media/cd/_html/\xF0\x9F\x98\x80.htm"), std::nullopt);
}

TEST(PageKeys, EmptyListMatchesNothing) {
    const PageKeyTable table("/cd/_html/", {});
    EXPECT_EQ(table.Find(*LocalPathKey("/cd/_html/")), std::nullopt);
    EXPECT_EQ(PageKeyTable().Find("\\cd\\_html\\"), std::nullopt);
}

TEST(PageKeys, LoweringTouchesOnlyAsciiCapitals) {
    EXPECT_EQ(content::LowerAscii("AZaz@[\x82\x60\x83\x41"), "azaz@[\x82\x60\x83\x61");
}

} // namespace
