#include "content/button_file.h"
#include "content/content_error.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using content::ButtonSlotsFromLines;
using content::StringList;

// Which slots a file's lines fill, as "slot:caption>target".
std::vector<std::string> Filled(const content::ButtonSlots& slots) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i].used)
            out.push_back(std::to_string(i) + ":" + slots[i].caption + ">" + slots[i].target);
    return out;
}

StringList Numbered(int count) {
    StringList lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("L" + std::to_string(i));
    return lines;
}

TEST(ButtonSlots, FollowThePairRule) {
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        StringList lines;
        V filled;
    } cases[] = {
        {"worked example",
         {"Install the viewer", "feature\\viewer\\setup.exe", "Read me", "feature\\readme.txt"},
         {"0:Install the viewer>feature\\viewer\\setup.exe", "1:Read me>feature\\readme.txt"}},
        {"caption without target", {"a", "t", "b"}, {"0:a>t"}},
        {"empty first pair", {"", "", "b", "t"}, {"1:b>t"}},
        {"empty target kept", {"a", ""}, {"0:a>"}},
        {"caption of spaces", {"  ", "t"}, {"0:  >t"}},
        {"empty file", {}, {}},
        {"single line", {"a"}, {}},
        {"only empty captions", {"", "t", "", "u"}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Filled(ButtonSlotsFromLines(c.lines)), c.filled) << c.name;
}

TEST(ButtonSlots, LinesFrom24OnAreIgnored) {
    EXPECT_EQ(Filled(ButtonSlotsFromLines(Numbered(30))).size(), 12u);
    EXPECT_EQ(Filled(ButtonSlotsFromLines(Numbered(30))).back(), "11:L22>L23");
    EXPECT_EQ(Filled(ButtonSlotsFromLines(Numbered(23))).size(), 11u);
    // Twenty lines whose captions are empty but the last one.
    StringList twenty;
    for (int i = 0; i < 20; ++i)
        twenty.push_back(i % 2 == 1 || i == 18 ? "L" + std::to_string(i) : "");
    EXPECT_EQ(Filled(ButtonSlotsFromLines(twenty)), std::vector<std::string>{"9:L18>L19"});
}

TEST(ButtonsOfNode, NoFileIsNoError) {
    testkit::TempDisc disc;
    disc.write("_html/feature/cover.txt", "Read me\r\nfeature\\readme.txt\r\n");
    std::filesystem::create_directories(disc.root() / "_html" / "dir.txt");
    const StringList buttonList = {"", "Feature\\Cover.TXT", "soft\\util.txt", "dir.txt"};
    const std::string dir = disc.htmlDir();

    EXPECT_FALSE(content::ReadButtonsOfNode(dir, buttonList, 0).has_value());
    const auto slots = content::ReadButtonsOfNode(dir, buttonList, 1);
    ASSERT_TRUE(slots.has_value());
    EXPECT_EQ(Filled(*slots), std::vector<std::string>{"0:Read me>feature\\readme.txt"});
    EXPECT_FALSE(content::ReadButtonsOfNode(dir, buttonList, 2).has_value());
    EXPECT_FALSE(content::ReadButtonsOfNode(dir, buttonList, 3).has_value()); // a directory
    try {
        content::ReadButtonsOfNode(dir, buttonList, 4);
        ADD_FAILURE();
    } catch (const content::ContentError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (4)");
    }
}

} // namespace
