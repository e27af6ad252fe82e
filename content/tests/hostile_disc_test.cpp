// Discs an editor should never make, read by the load sequence: each ends with the behaviour the
// program gives such a disc, without a crash, a hang or a lost line.

#include "content/button_file.h"
#include "content/line_rule.h"
#include "content/load_sequence.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sys/stat.h>

namespace {

using content::ContentTree;
using content::StringList;

class NullTarget final : public content::LoadTarget {
public:
    void BeginTreeBuild() override {}
    void EndTreeBuild() override {}
    void ExpandNode(int) override { ++expanded; }
    void SetInfoCaption(const std::string& caption) override { info = caption; }
    void RepaintTree() override {}
    void CollapseStrip() override {}
    void ShowStartPage(const std::string&) override {}
    void SelectStartNode(int) override {}
    int expanded = 0;
    std::string info;
};

struct Outcome {
    std::optional<content::ContentError> error;
    ContentTree tree;
    StringList html, button;
    NullTarget target;
};

std::unique_ptr<Outcome> LoadDisc(const testkit::TempDisc& disc) {
    auto outcome = std::make_unique<Outcome>();
    outcome->error = content::RunLoadBlock({disc.programDir(), disc.htmlDir()}, outcome->tree,
                                           outcome->html, outcome->button, outcome->target);
    return outcome;
}

void WriteLists(const testkit::TempDisc& disc, const std::string& tree, const std::string& html,
                const std::string& button) {
    disc.write("menu/tree.txt", tree);
    disc.write("menu/html.txt", html);
    disc.write("menu/button.txt", button);
    disc.write("menu/init.txt", "issue\r\n");
}

TEST(HostileDisc, HugeFilesLoadWhole) {
    testkit::TempDisc disc;
    // A million lines of a 100 MB tree.txt: groups of a heading and 99 entries.
    std::string tree, html;
    tree.reserve(100'000'000);
    const std::string entry = "\t" + std::string(90, 'x') + "\r\n";
    for (int i = 0; i < 1'000'000; ++i) {
        tree += i % 100 == 0 ? "Group\r\n" : entry;
        html += i % 100 == 0 ? "\r\n" : "p.htm\r\n";
    }
    ASSERT_GT(tree.size(), 90'000'000u);
    WriteLists(disc, tree, html, html);
    const auto outcome = LoadDisc(disc);
    EXPECT_FALSE(outcome->error.has_value());
    EXPECT_EQ(outcome->tree.Count(), 1'000'000);
    EXPECT_EQ(outcome->html.size(), 1'000'000u);
    EXPECT_EQ(outcome->target.expanded, 10'000);
    EXPECT_EQ(outcome->tree[999'999].parent, 999'900);
}

TEST(HostileDisc, NestingThousandsOfLevelsDeep) {
    testkit::TempDisc disc;
    std::string tree;
    constexpr int kDepth = 5'000;
    for (int level = 0; level < kDepth; ++level)
        tree += std::string(static_cast<std::size_t>(level), '\t') + "n\r\n";
    tree += "back at the top\r\n";
    WriteLists(disc, tree, "", "");
    const auto outcome = LoadDisc(disc);
    EXPECT_FALSE(outcome->error.has_value());
    ASSERT_EQ(outcome->tree.Count(), kDepth + 1);
    EXPECT_EQ(outcome->tree[kDepth - 1].level, kDepth - 1);
    EXPECT_EQ(outcome->tree[0].end, kDepth);
    EXPECT_EQ(outcome->tree[kDepth].level, 0);
}

TEST(HostileDisc, RandomBytesNeverBreakTheReaders) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 4096), '\0');
        for (char& c : bytes) {
            // Mostly the bytes that matter to the rules, so that deep trees and errors come up.
            const int pick = static_cast<int>(random() % 6);
            c = static_cast<char>(pick == 0   ? '\t'
                                  : pick == 1 ? '\r'
                                  : pick == 2 ? '\n'
                                              : byte(random));
        }
        ContentTree tree;
        try {
            content::BuildTree(bytes, tree);
        } catch (const content::ContentError& e) {
            EXPECT_EQ(e.kind(), content::ErrorKind::Level);
        }
        for (int i = 0; i < tree.Count(); ++i) {
            ASSERT_LT(tree[i].parent, i);
            ASSERT_EQ(tree[i].level, tree[i].parent < 0 ? 0 : tree[tree[i].parent].level + 1);
        }
        // Read as a button file: one used slot for each of the first twelve line pairs whose
        // caption is not empty.
        const StringList lines = content::SplitLines(bytes);
        int pairs = 0;
        for (std::size_t i = 0; i < 12 && 2 * i + 1 < lines.size(); ++i)
            pairs += lines[2 * i].empty() ? 0 : 1;
        const content::ButtonSlots slots = content::ButtonSlotsFromLines(lines);
        ASSERT_EQ(std::count_if(slots.begin(), slots.end(), [](const auto& s) { return s.used; }),
                  pairs);
    }
}

TEST(HostileDisc, BrokenFilesystemEntries) {
    const struct {
        const char* name;
        std::function<void(const testkit::TempDisc&)> make;
        bool blockFails;
        int nodes;
    } cases[] = {
        {"NUL in the first line",
         [](auto& d) { WriteLists(d, std::string("a\0b\r\nc\r\n", 7), "", ""); }, false, 1},
        {"NUL first", [](auto& d) { WriteLists(d, std::string("\0a\r\nb\r\n", 6), "", ""); }, false,
         0},
        {"tree.txt a directory",
         [](auto& d) { std::filesystem::create_directories(d.root() / "menu/tree.txt"); }, true, 0},
        {"button.txt a FIFO",
         [](auto& d) {
             d.write("menu/tree.txt", "a\r\n");
             ::mkfifo((d.root() / "menu/button.txt").c_str(), 0600);
         },
         true, 1},
        {"tree.txt a symlink loop",
         [](auto& d) {
             std::filesystem::create_symlink(d.root() / "menu/tree.txt",
                                             d.root() / "menu/tree.txt");
         },
         true, 0},
        {"no _html at all",
         [](auto& d) {
             WriteLists(d, "a\r\n\tb\r\n", "\r\nb.htm\r\n", "\r\nb.txt\r\n");
             std::filesystem::remove_all(d.root() / "_html");
         },
         false, 2},
        {"invalid Shift-JIS everywhere",
         [](auto& d) {
             WriteLists(d, "\xFF\xFE\x80\r\n\t\x81\r\n", "\xFF\r\n\x81\r\n", "\xA0\r\n\r\n");
         },
         false, 2},
    };
    for (const auto& c : cases) {
        testkit::TempDisc disc;
        c.make(disc);
        const auto outcome = LoadDisc(disc);
        EXPECT_EQ(outcome->error.has_value(), c.blockFails) << c.name;
        EXPECT_EQ(outcome->tree.Count(), c.nodes) << c.name;
    }
}

TEST(HostileDisc, SymlinkLoopInTheContentDirectory) {
    testkit::TempDisc disc;
    WriteLists(disc, "a\r\n\tb\r\n", "\r\nloop\\b.htm\r\n", "\r\nloop\\loop\\b.txt\r\n");
    std::filesystem::create_directory_symlink(disc.root() / "_html/loop",
                                              disc.root() / "_html/loop");
    const auto outcome = LoadDisc(disc);
    EXPECT_FALSE(outcome->error.has_value());
    EXPECT_FALSE(content::ReadButtonsOfNode(disc.htmlDir(), outcome->button, 1).has_value());
}

TEST(HostileDisc, ButtonFilesOfEveryLength) {
    testkit::TempDisc disc;
    const std::string longText(2000, 'x');
    for (int lines : {0, 1, 23, 24, 25, 10'000}) {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += (i % 2 == 0 ? "caption " + longText : "target\\" + longText) + "\r\n";
        const std::string path =
            disc.write("_html/b" + std::to_string(lines) + ".txt", text).string();
        const content::ButtonSlots slots = content::ReadButtonFile(path);
        int used = 0;
        for (const auto& slot : slots)
            used += slot.used ? 1 : 0;
        EXPECT_EQ(used, std::min(lines / 2, 12)) << lines;
        if (used > 0) {
            EXPECT_EQ(slots[0].caption.size(), 2008u);
        }
    }
}

} // namespace
