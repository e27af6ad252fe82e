#include "example_disc.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using check_testing::ExampleDisc;
using check_testing::Where;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

std::string StartOf(const check::DiscReport& report) {
    if (report.start.page)
        return "page " + *report.start.page;
    if (report.start.error)
        return "error " + *report.start.error;
    return "node " + std::to_string(report.start.node);
}

const std::string kListIndex0 = "error リストのインデックスが範囲を超えています (0)";
const std::string kButtonFileWarning = "warning button.txt:5"; // the example's soft\util.txt
// The example's pages, when no list line leads to them.
const std::string kUnreached[] = {"note feature/cover.htm:0", "note feature/talk.htm:0",
                                  "note soft/util.htm:0"};

std::string Repeat(int pairs, const std::string& target) {
    std::string bytes;
    for (int i = 0; i < pairs; ++i)
        bytes += "caption " + std::to_string(i) + "\r\n" + target + "\r\n";
    return bytes;
}

TEST(DiscFindings, EachFaultIsToldWithItsFileAndLine) {
    const struct {
        const char* name;
        std::function<void(const ExampleDisc&)> change;
        Lines where;
        std::string start = "node 1";
        bool infoSet = true;
    } cases[] = {
        {"level error",
         [](auto& d) {
             d.write("menu/tree.txt",
                     "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\t\tUtilities\r\n");
         },
         {"note tree.txt:0", "error tree.txt:5", "error html.txt:0"},
         kListIndex0,
         false},
        {"tree.txt missing",
         [](auto& d) { d.remove("menu/tree.txt"); },
         {"error tree.txt:0", "note tree.txt:0", "error html.txt:0"},
         kListIndex0,
         false},
        {"button.txt missing",
         [](auto& d) { d.remove("menu/button.txt"); },
         {"error button.txt:0", "note button.txt:0", "error html.txt:0"},
         kListIndex0,
         false},
        {"html.txt a directory",
         [](auto& d) {
             d.remove("menu/html.txt");
             std::filesystem::create_directory(d.root() / "menu/html.txt");
         },
         {"error html.txt:0", "note html.txt:0", "error html.txt:0"},
         kListIndex0,
         false},
        {"init.txt missing",
         [](auto& d) { d.remove("menu/init.txt"); },
         {kButtonFileWarning, "error init.txt:0"},
         "node 1",
         false},
        {"init.txt without a line",
         [](auto& d) { d.write("menu/init.txt", ""); },
         {kButtonFileWarning, "error init.txt:0"},
         "node 1",
         false},
        {"init.txt with an empty first line",
         [](auto& d) { d.write("menu/init.txt", "\r\nVol.5\r\n"); },
         {kButtonFileWarning}},
        {"no page line",
         [](auto& d) { d.write("menu/html.txt", "\r\n\r\n\r\n"); },
         {"error tree.txt:4", "error tree.txt:5", "note button.txt:2", "note button.txt:5",
          "warning html.txt:0", "error html.txt:0", kUnreached[0], kUnreached[1], kUnreached[2]},
         "error リストのインデックスが範囲を超えています (3)"},
        {"first page past the tree",
         [](auto& d) { d.write("menu/html.txt", "\r\n\r\n\r\n\r\n\r\nx.htm\r\n"); },
         {"note button.txt:2", "note button.txt:5", "warning html.txt:0", "warning html.txt:6",
          "error html.txt:6", kUnreached[0], kUnreached[1], kUnreached[2]},
         "error 不正なインデックス."},
        {"page missing",
         [](auto& d) { d.remove("_html/feature/talk.htm"); },
         {kButtonFileWarning, "error html.txt:3"}},
        {"button file a directory",
         [](auto& d) {
             d.remove("_html/feature/cover.txt");
             std::filesystem::create_directory(d.root() / "_html/feature/cover.txt");
         },
         {"warning button.txt:2", kButtonFileWarning}},
        {"button.txt shorter than the tree",
         [](auto& d) { d.write("menu/button.txt", "\r\nfeature\\cover.txt\r\n"); },
         {"error tree.txt:3", "error tree.txt:5", "warning button.txt:0"}},
        {"page of line 2 again past the tree",
         [](auto& d) {
             d.write("menu/html.txt", "\r\nfeature\\cover.htm\r\nfeature\\talk."
                                      "htm\r\n\r\nsoft\\util.htm\r\nfeature\\cover.htm\r\n");
         },
         {kButtonFileWarning, "warning html.txt:0", "note html.txt:6"}},
        {"same page for two nodes, in other case",
         [](auto& d) {
             d.write("menu/html.txt",
                     "\r\nfeature\\cover.htm\r\nFEATURE\\Cover.htm\r\n\r\nsoft\\util.htm\r\n");
         },
         {kButtonFileWarning, "note html.txt:3", kUnreached[1]}},
        {"blank line ending tree.txt",
         [](auto& d) {
             d.write("menu/tree.txt",
                     "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n\r\n");
         },
         {"warning tree.txt:6", "error tree.txt:6", "warning button.txt:0", kButtonFileWarning,
          "warning html.txt:0"}},
        {"LF CR line ends in tree.txt",
         [](auto& d) {
             d.write("menu/tree.txt",
                     "Feature\n\r\tCover story\n\r\tInterview\n\rSoftware\n\r\tUtilities\n\r");
         },
         {"error tree.txt:2", "error tree.txt:6", "error tree.txt:7", "error tree.txt:8",
          "error tree.txt:9", "error tree.txt:10", "warning button.txt:0", kButtonFileWarning,
          "warning html.txt:0"}},
        {"bytes that are not Shift-JIS",
         [](auto& d) {
             d.write(
                 "menu/tree.txt",
                 "Feature\r\n\tCover \x85\x40story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n");
         },
         {"warning tree.txt:2", kButtonFileWarning}},
        {"UTF-8 byte-order mark",
         [](auto& d) {
             d.write("menu/tree.txt",
                     "\xEF\xBB\xBF"
                     "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n");
         },
         {"error tree.txt:1", kButtonFileWarning}},
        {"NUL cutting html.txt",
         [](auto& d) {
             d.write("menu/html.txt",
                     "\r\nfeature\\cover.htm\r\nfeature\\talk.htm\0\r\n\r\nsoft\\util.htm\r\n"s);
         },
         {"error tree.txt:4", "error tree.txt:5", "note button.txt:5", "warning html.txt:0",
          "error html.txt:3", kUnreached[2]}},
        {"NUL padding after init.txt",
         [](auto& d) { d.write("menu/init.txt", "1999 Vol.5 No.12\r\n\0\0\0"s); },
         {kButtonFileWarning, "note init.txt:2"}},
        {"caption without target, empty caption with target",
         [](auto& d) {
             d.write("_html/feature/cover.txt",
                     "A\r\nfeature\\readme.txt\r\n\r\nlost.exe\r\nB\r\n");
         },
         {kButtonFileWarning, "warning feature\\cover.txt:3", "warning feature\\cover.txt:5"}},
        {"button file of 30 lines",
         [](auto& d) { d.write("_html/feature/cover.txt", Repeat(15, "feature\\readme.txt")); },
         {kButtonFileWarning, "warning feature\\cover.txt:25"}},
        {"missing and empty targets",
         [](auto& d) { d.write("_html/feature/cover.txt", "A\r\nnothere.exe\r\nB\r\n\r\n"); },
         {kButtonFileWarning, "warning feature\\cover.txt:2", "note feature\\cover.txt:4"}},
        {"button file without a button",
         [](auto& d) { d.write("_html/feature/cover.txt", "\r\n\r\n"); },
         {kButtonFileWarning, "warning feature\\cover.txt:0"}},
        {"button file named twice is checked once",
         [](auto& d) {
             d.write("menu/button.txt",
                     "\r\nfeature\\cover.txt\r\nFEATURE\\COVER.TXT\r\n\r\nsoft\\util.txt\r\n");
             d.write("_html/feature/cover.txt", "A\r\nfeature\\readme.txt\r\nB\r\n");
         },
         {kButtonFileWarning, "warning feature\\cover.txt:3"}},
        {"open.htm in any case",
         [](auto& d) { d.write("_html/Open.htm", "x"); },
         {kButtonFileWarning},
         "page Open.htm"},
    };
    for (const auto& c : cases) {
        ExampleDisc disc;
        c.change(disc);
        const check::DiscReport report = disc.Report();
        EXPECT_EQ(Where(report), c.where) << c.name;
        EXPECT_EQ(StartOf(report), c.start) << c.name;
        EXPECT_EQ(report.info.has_value(), c.infoSet) << c.name;
        const bool errors = std::any_of(c.where.begin(), c.where.end(), [](const std::string& w) {
            return w.starts_with("error");
        });
        EXPECT_EQ(report.HasErrors(), errors) << c.name;
    }
}

TEST(DiscFindings, LoadErrorAndIssueLineAreTheBrowsers) {
    ExampleDisc disc;
    disc.write("menu/tree.txt",
               "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\t\tUtilities\r\n");
    const check::DiscReport report = disc.Report();
    EXPECT_EQ(report.loadError, "アイテム \"Utilities\" の階層 (2) が不正です");
    EXPECT_EQ(report.tree.size(), 4u);
    EXPECT_TRUE(report.htmlList.empty());
    EXPECT_TRUE(report.pages.empty());
    EXPECT_FALSE(report.tree[0].expanded);

    disc.write("menu/tree.txt",
               "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n");
    disc.write("menu/init.txt", "\r\nVol.5\r\n");
    EXPECT_EQ(disc.Report().info, "");
}

// Which buttons showing a page brings up, as "slot@left+width", and the strip's height.
struct Shown {
    std::optional<int> height;
    Lines buttons;
    std::optional<std::string> buttonFile;
    bool operator==(const Shown&) const = default;
};

Shown ShownOnPage(const check::DiscReport& report, int node) {
    for (const auto& page : report.pages)
        if (page.node == node) {
            Shown shown{page.stripHeight, {}, page.buttonFile};
            for (const auto& b : page.buttons)
                shown.buttons.push_back(std::to_string(b.slot) + "@" + std::to_string(b.left) +
                                        "+" + std::to_string(b.width) + " " + b.caption);
            return shown;
        }
    ADD_FAILURE() << "no page for node " << node;
    return {};
}

TEST(DiscFindings, PagesShowWhatTheStripFillShows) {
    const struct {
        const char* name;
        std::function<void(const ExampleDisc&)> change;
        int node;
        Shown shown;
    } cases[] = {
        {"no button line: showing stops",
         [](auto& d) { d.write("menu/button.txt", "\r\nfeature\\cover.txt\r\n"); },
         2,
         {std::nullopt, {}, std::nullopt}},
        {"missing button file: strip collapses", [](auto&) {}, 4, {0, {}, std::nullopt}},
        {"lone first button widens",
         [](auto& d) {
             d.write("_html/feature/cover.txt",
                     "A\r\nfeature\\readme.txt\r\n\r\nlost.exe\r\nB\r\n");
         },
         1,
         {34, {"0@0+265 A"}, "feature\\cover.txt"}},
        {"first and third of the last row",
         [](auto& d) {
             d.write("_html/feature/cover.txt", std::string(18, '\n') + "J\nt\n\nt\nL\nt\n");
         },
         1,
         {124, {"9@0+265 J", "11@267+265 L"}, "feature\\cover.txt"}},
        {"no pair: strip collapses, file still named",
         [](auto& d) { d.write("_html/feature/cover.txt", "\r\n\r\n"); },
         1,
         {0, {}, "feature\\cover.txt"}},
    };
    for (const auto& c : cases) {
        ExampleDisc disc;
        c.change(disc);
        EXPECT_EQ(ShownOnPage(disc.Report(), c.node), c.shown) << c.name;
    }
}

} // namespace
