#include "content/content_error.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorReport, FullStopRule) {
    const struct {
        std::string message;
        std::string shown;
    } cases[] = {
        {content::ListIndexError(3).what(), "リストのインデックスが範囲を超えています (3)"},
        {content::IndexError().what(), "不正なインデックス."},
        {content::OpenError("/cd/menu/tree.txt").what(),
         "ファイル /cd/menu/tree.txt は開けません."},
        {"ends with a full stop.", "ends with a full stop."},
        {"ends with a comma,", "ends with a comma,"},
        {"ends with a slash/", "ends with a slash/."},
        {"x", "x."},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(content::ErrorReportText(c.message), c.shown) << c.message;
}

TEST(ErrorReport, LevelErrorShowsTheNodeTextConverted) {
    EXPECT_STREQ(content::LevelError(5, "\x93\xC7\x8E\xD2").what(),
                 "アイテム \"読者\" の階層 (5) が不正です");
    EXPECT_STREQ(content::ListIndexError(-1).what(),
                 "リストのインデックスが範囲を超えています (-1)");
}

} // namespace
