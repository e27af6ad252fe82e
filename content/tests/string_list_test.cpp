#include "content/content_error.h"
#include "content/line_rule.h"
#include "content/string_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using content::StringList;
using Lines = std::vector<std::string>;

Lines Collected(const StringList& list) {
    return Lines(list.begin(), list.end());
}

// Lines added after a split keep every line where it was: each line ends where its own bound
// says, whatever line ends the file had before it.
TEST(StringList, LinesAddedAfterASplitKeepTheirBytes) {
    using namespace std::string_literals;
    StringList list = content::SplitLines("a\r\n\r\nbc\rd\n\re"s);
    list.push_back("");
    list.push_back("x\r");
    list.push_back("\ny");
    EXPECT_EQ(Collected(list), (Lines{"a", "", "bc", "d", "", "e", "", "x\r", "\ny"}));
    EXPECT_EQ(list.size(), 9u);
    EXPECT_EQ(list.front(), "a");
    EXPECT_EQ(list.back(), "\ny");
    EXPECT_EQ(list.LineBytes(), 9u);

    // Two lists are equal by their lines, not by the line ends their text had.
    EXPECT_EQ(content::SplitLines("p\r\nq"), (StringList{"p", "q"}));
    EXPECT_EQ(content::SplitLines("p\nq\n"), (StringList{"p", "q"}));
    EXPECT_FALSE(content::SplitLines("p\nq\n") == (StringList{"p", "q", ""}));
    EXPECT_FALSE(content::SplitLines("pq") == (StringList{"p", "q"}));

    list.clear();
    EXPECT_TRUE(list.empty());
    list.push_back("again");
    EXPECT_EQ(Collected(list), Lines{"again"});
}

TEST(StringList, IteratesLikeAnyRandomAccessRange) {
    const StringList list = content::SplitLines("c\nb\na\nb\n");
    EXPECT_EQ(std::count(list.begin(), list.end(), "b"), 2);
    EXPECT_EQ(list.end() - list.begin(), 4);
    EXPECT_EQ(*(list.begin() + 2), "a");
    EXPECT_EQ(list.begin()[3], "b");
    EXPECT_TRUE(std::is_sorted(list.begin() + 2, list.end()));
    const auto found = std::find(list.begin(), list.end(), "a");
    EXPECT_EQ(found - list.begin(), 2);
}

TEST(ListEntry, ViewsTheLineOrThrowsTheIndexError) {
    const StringList list = {"", "page.htm"};
    EXPECT_EQ(content::ListEntry(list, 1), "page.htm");
    EXPECT_TRUE(content::ListEntry(list, 0).empty());
    for (const long long n : {-1LL, 2LL, 1LL << 40}) {
        try {
            (void)content::ListEntry(list, n);
            ADD_FAILURE() << n;
        } catch (const content::ContentError& error) {
            EXPECT_EQ(error.kind(), content::ErrorKind::ListIndex) << n;
        }
    }
}

} // namespace
