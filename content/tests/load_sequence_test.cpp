#include "content/load_sequence.h"

#include "tests/support/example_disc.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <sys/stat.h>

namespace {

using content::ContentError;
using content::ContentTree;
using content::DiscDirs;
using content::StringList;

// Records what the load sequence does to the window, in order; memory may run out at one call.
class RecordingTarget final : public content::LoadTarget {
public:
    std::vector<std::string> calls;
    std::string outOfMemoryAt;
    void BeginTreeBuild() override { Call("begin"); }
    void EndTreeBuild() override { Call("end"); }
    void ExpandNode(int index) override { Call("expand " + std::to_string(index)); }
    void SetInfoCaption(const std::string& caption) override { Call("info " + caption); }
    void RepaintTree() override { Call("repaint"); }
    void CollapseStrip() override { Call("collapse"); }
    void ShowStartPage(const std::string& path) override { Call("page " + path); }
    void SelectStartNode(int index) override { Call("select " + std::to_string(index)); }

private:
    void Call(const std::string& call) {
        calls.push_back(call);
        if (call == outOfMemoryAt)
            throw std::bad_alloc();
    }
};

// The disc of the worked example.
struct ExampleDisc {
    testkit::TempDisc disc;
    DiscDirs dirs{disc.programDir(), disc.htmlDir()};
    ExampleDisc() { testkit::WriteExampleDisc(disc.root()); }
};

struct LoadRun {
    std::vector<std::string> calls;
    std::string startError;
    std::optional<ContentError> blockError;
    ContentTree tree;
    StringList html, button;
};

LoadRun Load(const DiscDirs& dirs) {
    LoadRun run;
    RecordingTarget target;
    try {
        content::RunLoadSequence(dirs, run.tree, run.html, run.button, target);
    } catch (const ContentError& e) {
        run.startError = e.what();
    }
    run.calls = target.calls;
    return run;
}

using Calls = std::vector<std::string>;

TEST(LoadSequence, WorkedExample) {
    ExampleDisc example;
    const LoadRun run = Load(example.dirs);
    EXPECT_EQ(run.calls, (Calls{"begin", "end", "expand 0", "expand 3", "info 1999 Vol.5 No.12",
                                "repaint", "collapse", "select 1"}));
    EXPECT_EQ(run.startError, "");
    EXPECT_EQ(run.tree.Count(), 5);
    EXPECT_EQ(run.html.size(), 5u);
    EXPECT_EQ(run.button[1], "feature\\cover.txt");
}

TEST(LoadSequence, FailuresEndTheBlockSilently) {
    const std::string listIndex0 = "リストのインデックスが範囲を超えています (0)";
    const struct {
        const char* name;
        std::function<void(testkit::TempDisc&)> change;
        Calls calls;
        std::string startError;
    } cases[] = {
        {"tree.txt missing",
         [](auto& d) { std::filesystem::remove(d.root() / "menu/tree.txt"); },
         {"collapse"},
         listIndex0},
        {"level error",
         [](auto& d) {
             d.write("menu/tree.txt", "Feature\r\n\tCover\r\n\tTalk\r\nSoft\r\n\t\tU\r\n");
         },
         {"begin", "end", "collapse"},
         listIndex0},
        {"button.txt missing",
         [](auto& d) { std::filesystem::remove(d.root() / "menu/button.txt"); },
         {"begin", "end", "collapse"},
         listIndex0},
        {"html.txt missing",
         [](auto& d) { std::filesystem::remove(d.root() / "menu/html.txt"); },
         {"begin", "end", "collapse"},
         listIndex0},
        {"init.txt missing",
         [](auto& d) { std::filesystem::remove(d.root() / "menu/init.txt"); },
         {"begin", "end", "expand 0", "expand 3", "collapse", "select 1"},
         ""},
        {"init.txt empty",
         [](auto& d) { d.write("menu/init.txt", ""); },
         {"begin", "end", "expand 0", "expand 3", "collapse", "select 1"},
         ""},
        {"init.txt first line empty",
         [](auto& d) { d.write("menu/init.txt", "\r\nsecond\r\n"); },
         {"begin", "end", "expand 0", "expand 3", "info ", "repaint", "collapse", "select 1"},
         ""},
        {"no page at all",
         [](auto& d) { d.write("menu/html.txt", "\r\n\r\n\r\n"); },
         {"begin", "end", "expand 0", "expand 3", "info 1999 Vol.5 No.12", "repaint", "collapse"},
         "リストのインデックスが範囲を超えています (3)"},
        {"first page past the tree",
         [](auto& d) { d.write("menu/html.txt", "\r\n\r\n\r\n\r\n\r\nx.htm\r\n"); },
         {"begin", "end", "expand 0", "expand 3", "info 1999 Vol.5 No.12", "repaint", "collapse"},
         "不正なインデックス"},
        {"open.htm a directory",
         [](auto& d) { std::filesystem::create_directories(d.root() / "_html/open.htm"); },
         {"begin", "end", "expand 0", "expand 3", "info 1999 Vol.5 No.12", "repaint", "collapse",
          "select 1"},
         ""},
        {"tree.txt a directory",
         [](auto& d) {
             std::filesystem::remove(d.root() / "menu/tree.txt");
             std::filesystem::create_directories(d.root() / "menu/tree.txt");
         },
         {"collapse"},
         listIndex0},
    };
    for (const auto& c : cases) {
        ExampleDisc example;
        c.change(example.disc);
        const LoadRun run = Load(example.dirs);
        EXPECT_EQ(run.calls, c.calls) << c.name;
        EXPECT_EQ(run.startError, c.startError) << c.name;
    }
}

TEST(LoadSequence, OpenHtmIsTheStartWhateverItsCase) {
    ExampleDisc example;
    const std::string page = example.disc.write("_html/OPEN.HTM", "<html></html>").string();
    const LoadRun run = Load(example.dirs);
    EXPECT_EQ(run.calls.back(), "page " + page);
}

TEST(LoadSequence, FifoInPlaceOfAListFileIsAnOpenErrorNotAHang) {
    ExampleDisc example;
    std::filesystem::remove(example.disc.root() / "menu/html.txt");
    ASSERT_EQ(::mkfifo((example.disc.root() / "menu/html.txt").c_str(), 0600), 0);
    const LoadRun run = Load(example.dirs);
    EXPECT_EQ(run.calls, (Calls{"begin", "end", "collapse"}));
}

TEST(LoadSequence, BlockReportsItsFailureForTheChecker) {
    // The failure that ended the block, by its text; the tree keeps what was built.
    const struct {
        const char* treeTxt; // nullptr: the worked example's
        const char* outOfMemoryAt;
        const char* text;
        Calls calls;
        int nodes;
    } cases[] = {
        {"a\r\n\t\tb\r\n", "", "アイテム \"b\" の階層 (2) が不正です", {"begin", "end"}, 1},
        {nullptr, "expand 0", "メモリが不足しています", {"begin", "end", "expand 0"}, 5},
    };
    for (const auto& c : cases) {
        ExampleDisc example;
        if (c.treeTxt)
            example.disc.write("menu/tree.txt", c.treeTxt);
        ContentTree tree;
        StringList html, button;
        RecordingTarget target;
        target.outOfMemoryAt = c.outOfMemoryAt;
        const auto error = content::RunLoadBlock(example.dirs, tree, html, button, target);
        ASSERT_TRUE(error.has_value()) << c.text;
        EXPECT_STREQ(error->what(), c.text);
        EXPECT_EQ(target.calls, c.calls) << c.text;
        EXPECT_EQ(tree.Count(), c.nodes) << c.text;
    }
}

} // namespace
