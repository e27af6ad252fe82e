#include "content/content_error.h"
#include "content/content_tree.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using content::BuildTree;
using content::ContentError;
using content::ContentTree;
using content::ErrorKind;
using content::NodeKind;

// "text@level<parent" per node, in absolute-index order, to compare whole trees at once.
std::vector<std::string> Shape(const ContentTree& tree) {
    std::vector<std::string> shape;
    for (int i = 0; i < tree.Count(); ++i)
        shape.push_back(std::string(tree.TextOf(i)) + "@" + std::to_string(tree[i].level) + "<" +
                        std::to_string(tree[i].parent));
    return shape;
}

TEST(BuildTree, AttachesByLevel) {
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        std::string file;
        V shape;
    } cases[] = {
        {"empty file", "", {}},
        {"two blank lines", "\r\n\r\n", {"@0<-1", "@0<-1"}},
        {"worked example",
         "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n",
         {"Feature@0<-1", "Cover story@1<0", "Interview@1<0", "Software@0<-1", "Utilities@1<3"}},
        {"tab space is level two", "a\r\n\tb\r\n\t c\r\n", {"a@0<-1", "b@1<0", "c@2<1"}},
        {"full-width space is text",
         "a\r\n\x81\x40"
         "b\r\n",
         {"a@0<-1", "\x81\x40"
                    "b@0<-1"}},
        {"indented first line", "  a\r\n b\r\n", {"a@0<-1", "b@1<0"}},
        {"level 3 back to 0",
         "a\r\n b\r\n  c\r\n   d\r\ne\r\n",
         {"a@0<-1", "b@1<0", "c@2<1", "d@3<2", "e@0<-1"}},
        {"drop of two", "a\r\n b\r\n  c\r\n d\r\n", {"a@0<-1", "b@1<0", "c@2<1", "d@1<0"}},
        {"blanks-only line after level 2",
         "a\r\n b\r\n  c\r\n   \r\n",
         {"a@0<-1", "b@1<0", "c@2<1", "@3<2"}},
        {"trailing blanks stay", "a \t\r\n", {"a \t@0<-1"}},
        {"LF CR adds empty top-level nodes", "a\n\r\tb\n\r", {"a@0<-1", "@0<-1", "b@1<1", "@0<-1"}},
    };
    for (const auto& c : cases) {
        ContentTree tree;
        BuildTree(c.file, tree);
        EXPECT_EQ(Shape(tree), c.shape) << c.name;
    }
}

TEST(BuildTree, LevelErrorKeepsEarlierNodes) {
    const struct {
        std::string file;
        int kept;
        std::string message;
    } cases[] = {
        {"Feature\r\n\tCover\r\n\tTalk\r\nSoftware\r\n\t\tUtilities\r\n", 4,
         "アイテム \"Utilities\" の階層 (2) が不正です"},
        {"a\r\n b\r\n   \r\n", 2, "アイテム \"\" の階層 (3) が不正です"},
        {"\x93\xC7\r\n\t\t\x8E\xD2\r\n", 1, "アイテム \"者\" の階層 (2) が不正です"},
    };
    for (const auto& c : cases) {
        ContentTree tree;
        BuildTree("old\r\n", tree);
        try {
            BuildTree(c.file, tree);
            ADD_FAILURE() << "no level error for " << testing::PrintToString(c.file);
        } catch (const ContentError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Level);
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(tree.Count(), c.kept);
        // The kept nodes form a complete tree: the child tables cover exactly them.
        int topLevel = 0;
        for (int i = 0; i < tree.Count(); ++i)
            topLevel += tree[i].level == 0 ? 1 : 0;
        EXPECT_EQ(tree.ChildCount(-1), topLevel);
    }
}

TEST(ContentTree, IndexLookupsKindsAndChildren) {
    ContentTree tree;
    BuildTree("A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\n\tE\r\nF\r\n", tree);
    ASSERT_EQ(tree.Count(), 6);
    EXPECT_EQ(tree.KindOf(0), NodeKind::GroupHeading);
    EXPECT_EQ(tree.KindOf(1), NodeKind::SubGroup);
    EXPECT_EQ(tree.KindOf(2), NodeKind::SubGroup);
    EXPECT_EQ(tree.KindOf(3), NodeKind::Entry);
    EXPECT_EQ(tree.KindOf(4), NodeKind::Entry);
    EXPECT_EQ(tree.KindOf(5), NodeKind::Entry); // top level without children
    EXPECT_EQ(tree[0].end, 5);
    EXPECT_EQ(tree[1].end, 4);
    EXPECT_EQ(tree.ChildCount(-1), 2);
    EXPECT_EQ(tree.ChildAt(-1, 1), 5);
    EXPECT_EQ(tree.ChildCount(0), 2);
    EXPECT_EQ(tree.ChildAt(0, 1), 4);
    EXPECT_EQ(tree.RowOf(4), 1);
    EXPECT_EQ(tree.RowOf(5), 1);
    EXPECT_EQ(tree.NodeAt(3).level, 3);
    EXPECT_EQ(tree.TextOf(3), "D");
    for (long long bad : {-1LL, 6LL, 1LL << 40}) {
        try {
            tree.NodeAt(bad);
            ADD_FAILURE() << bad;
        } catch (const ContentError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Index);
            EXPECT_STREQ(e.what(), "不正なインデックス");
        }
    }
}

TEST(LoadTreeFile, OpenErrorLeavesTheTree) {
    testkit::TempDisc disc;
    ContentTree tree;
    BuildTree("kept\r\n", tree);
    const std::string missing = disc.programDir() + "tree.txt";
    try {
        content::LoadTreeFile(missing, tree);
        ADD_FAILURE();
    } catch (const ContentError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Open);
        EXPECT_EQ(std::string(e.what()), "ファイル " + missing + " は開けません");
    }
    EXPECT_EQ(Shape(tree), std::vector<std::string>{"kept@0<-1"});
    // A directory of that name cannot be opened as a file either.
    std::filesystem::create_directories(missing);
    EXPECT_THROW(content::LoadTreeFile(missing, tree), ContentError);
}

} // namespace
