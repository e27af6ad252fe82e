#include "content/launch_strip.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using content::ButtonSlots;
using content::FillLaunchStrip;
using content::LaunchDirectoryPart;

ButtonSlots Shown(std::set<int> which) {
    ButtonSlots slots;
    for (int i : which)
        slots[static_cast<std::size_t>(i)] = {true, "c" + std::to_string(i),
                                              "t" + std::to_string(i)};
    return slots;
}

struct Geometry {
    int button;
    int left;
    int width;
};

TEST(LaunchStrip, RowLayoutTable) {
    const struct {
        const char* name;
        std::set<int> shown;
        int height;
        std::vector<Geometry> geometry; // of the shown buttons
    } cases[] = {
        {"all three", {0, 1, 2}, 34, {{0, 0, 176}, {1, 178, 176}, {2, 356, 176}}},
        {"first only", {0}, 34, {{0, 0, 265}}},
        {"second only", {1}, 34, {{1, 143, 265}}},
        {"third only", {2}, 34, {{2, 267, 265}}},
        {"first and third", {0, 2}, 34, {{0, 0, 265}, {2, 267, 265}}},
        {"first and second", {0, 1}, 34, {{0, 0, 176}, {1, 178, 176}}},
        {"second and third", {1, 2}, 34, {{1, 178, 176}, {2, 356, 176}}},
        {"button 9 alone, empty rows above", {9}, 124, {{9, 0, 265}}},
        {"second row", {3, 5}, 64, {{3, 0, 265}, {5, 267, 265}}},
        {"third row decides", {0, 7}, 94, {{0, 0, 265}, {7, 143, 265}}},
        {"all twelve",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         124,
         {{9, 0, 176}, {10, 178, 176}, {11, 356, 176}}},
        {"none", {}, 0, {}},
    };
    for (const auto& c : cases) {
        const content::StripFill fill = FillLaunchStrip(Shown(c.shown));
        EXPECT_TRUE(fill.buttonsChanged) << c.name;
        EXPECT_EQ(fill.height, c.height) << c.name;
        for (int i = 0; i < content::kButtonCount; ++i) {
            const auto& b = fill.buttons[static_cast<std::size_t>(i)];
            EXPECT_EQ(b.visible, c.shown.count(i) == 1) << c.name << " button " << i;
            EXPECT_EQ(b.top, 7 + 29 * (i / 3)) << c.name << " button " << i;
            EXPECT_EQ(fill.targets[static_cast<std::size_t>(i)],
                      b.visible ? "t" + std::to_string(i) : "")
                << c.name << " button " << i;
        }
        for (const Geometry& g : c.geometry) {
            const auto& b = fill.buttons[static_cast<std::size_t>(g.button)];
            EXPECT_EQ(b.left, g.left) << c.name << " button " << g.button;
            EXPECT_EQ(b.width, g.width) << c.name << " button " << g.button;
            EXPECT_EQ(b.caption, "c" + std::to_string(g.button));
        }
    }
}

TEST(LaunchStrip, NoButtonFileCollapsesAndKeepsTheButtons) {
    const content::StripFill fill = FillLaunchStrip(std::nullopt);
    EXPECT_FALSE(fill.buttonsChanged);
    EXPECT_EQ(fill.height, 0);
    for (const std::string& target : fill.targets)
        EXPECT_TRUE(target.empty());
}

TEST(LaunchDirectory, CutsAfterTheLastBackslashOrColon) {
    const struct {
        std::string target;
        std::string dir;
    } cases[] = {
        {"feature\\viewer\\setup.exe", "feature\\viewer\\"},
        {"setup.exe", ""},
        {"", ""},
        {"..\\folder\\file", "..\\folder\\"},
        {"a:b.txt", "a:"},
        {"dir\\\x95\x5C.exe", "dir\\"}, // 表.exe: its 0x5C is no separator
        {"\x95\x5C\\x.exe", "\x95\x5C\\"},
        {"\x83\x5C", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LaunchDirectoryPart(c.target), c.dir) << c.target;
}

} // namespace
