// The launch strip in the window: the fill from button files, the pressed look, the launch.

#include "form_fixture.h"
#include "platform/shell_open.h"
#include "tests/support/disc_lists.h"
#include "ui/contents_tree_view.h"
#include "ui/launch_button.h"

#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

class LaunchStrip : public ::testing::Test, protected FormFixture {
protected:
    // A disc of one group whose entries show the given button files.
    void WriteDisc(const std::vector<std::string>& buttonFiles) {
        std::vector<testkit::ListEntry> entries{{"Group"}};
        for (std::size_t i = 0; i < buttonFiles.size(); ++i) {
            const std::string n = std::to_string(i);
            entries.push_back({"\tEntry " + n, "p" + n + ".htm", "b" + n + ".txt"});
            disc.write("_html/p" + n + ".htm", "<html></html>");
            disc.write("_html/b" + n + ".txt", buttonFiles[i]);
        }
        testkit::WriteLists(disc.root(), entries, "x");
    }
    void Show(int node) {
        form->TreeView->SelectNode(node);
        Settle();
    }
    TLaunchButton* Button(int i) { return form->btnPanel[static_cast<std::size_t>(i)]; }
};

// Button file text with captions on the given buttons.
std::string Captions(std::initializer_list<int> buttons, int lines = 0) {
    std::vector<std::string> file(static_cast<std::size_t>(lines), "");
    for (int i : buttons) {
        if (file.size() < static_cast<std::size_t>(2 * i + 2))
            file.resize(static_cast<std::size_t>(2 * i + 2));
        file[static_cast<std::size_t>(2 * i)] = "Caption " + std::to_string(i);
        file[static_cast<std::size_t>(2 * i + 1)] = "t" + std::to_string(i) + ".txt";
    }
    std::string text;
    for (const std::string& line : file)
        text += line + "\r\n";
    return text;
}

TEST_F(LaunchStrip, FillsSizesAndLaysOutFromTheButtonFile) {
    WriteDisc({Captions({0, 1, 2}), Captions({9}, 20), Captions({0, 2}), Captions({1}),
               Captions({1, 2}), "Caption\r\n"});
    Start();
    const struct {
        int node;
        int height;
        std::vector<std::tuple<int, int, int>> shown; // button, left, width
    } cases[] = {
        {1, 34, {{0, 0, 176}, {1, 178, 176}, {2, 356, 176}}},
        {2, 124, {{9, 0, 265}}},
        {3, 34, {{0, 0, 265}, {2, 267, 265}}},
        {4, 34, {{1, 143, 265}}},
        {5, 34, {{1, 178, 176}, {2, 356, 176}}},
        {6, 0, {}},
    };
    for (const auto& c : cases) {
        Show(c.node);
        EXPECT_EQ(form->StripHeight(), c.height) << c.node;
        EXPECT_EQ(form->pnlButton->geometry(), QRect(0, 594 - c.height, 551, c.height)) << c.node;
        EXPECT_EQ(form->WebBrowser->height(), 594 - c.height) << c.node;
        int visible = 0;
        for (int i = 0; i < 12; ++i)
            visible += Button(i)->isVisibleTo(form->pnlButton) ? 1 : 0;
        EXPECT_EQ(visible, static_cast<int>(c.shown.size())) << c.node;
        for (const auto& [button, left, width] : c.shown) {
            EXPECT_TRUE(Button(button)->isVisibleTo(form->pnlButton));
            EXPECT_EQ(Button(button)->geometry(), QRect(left, 7 + 29 * (button / 3), width, 24))
                << c.node << " button " << button;
            EXPECT_EQ(Button(button)->Caption(), QStringLiteral("Caption %1").arg(button));
            EXPECT_EQ(Button(button)->toolTip(), Button(button)->Caption());
        }
    }
}

TEST_F(LaunchStrip, PageWithoutButtonFileCollapsesTheStripAndKeepsTheButtons) {
    WriteDisc({Captions({0, 1}), ""});
    std::filesystem::remove(disc.root() / "_html/b1.txt");
    Start();
    Show(1);
    ASSERT_EQ(form->StripHeight(), 34);
    Show(2);
    EXPECT_EQ(form->StripHeight(), 0);
    EXPECT_FALSE(form->pnlButton->isVisible());
    EXPECT_EQ(form->WebBrowser->geometry(), QRect(0, 0, 551, 594));
    EXPECT_EQ(Button(0)->Caption(), QStringLiteral("Caption 0")); // left as they were
    for (const std::string& target : ButtonTargets)
        EXPECT_TRUE(target.empty());
}

TEST_F(LaunchStrip, PressedLookOnAnyButtonLaunchOnlyOnLeftClick) {
    WriteDisc({Captions({0})});
    Start();
    form->show();
    Show(1);
    std::vector<QUrl> opened;
    platform::SetDesktopOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });
    TLaunchButton* button = Button(0);
    QSignalSpy clicks(button, &TLaunchButton::Clicked);

    QTest::mousePress(button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(button->OuterBevel(), TLaunchButton::Bevel::Lowered);
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(button->OuterBevel(), TLaunchButton::Bevel::Raised);
    EXPECT_EQ(clicks.count(), 0);

    // The click comes while the button still looks pressed.
    TLaunchButton::Bevel bevelAtClick = TLaunchButton::Bevel::Raised;
    QObject::connect(button, &TLaunchButton::Clicked,
                     [&](TLaunchButton* b) { bevelAtClick = b->OuterBevel(); });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(bevelAtClick, TLaunchButton::Bevel::Lowered);
    EXPECT_EQ(button->OuterBevel(), TLaunchButton::Bevel::Raised);
    EXPECT_EQ(opened, (std::vector<QUrl>{Page("t0.txt")}));

    // Released outside the button: no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(clicks.count(), 1);

    // A double click, as the window system delivers it (press, release, press, release, the
    // second press a double click): its second press is no click, so the target opens once.
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {},
                       button->mapTo(form.get(), QPoint(10, 10)));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(opened, (std::vector<QUrl>{Page("t0.txt"), Page("t0.txt")}));
    EXPECT_EQ(button->OuterBevel(), TLaunchButton::Bevel::Raised);
    platform::SetDesktopOpenerForTesting(nullptr);
}

TEST_F(LaunchStrip, ScriptRunsInItsOwnDirectoryWhateverItsName) {
    const std::string name = "it's a \"test\"; $(touch pwned) `touch pwned2` -x 表.sh";
    // The target as an editor writes it: Shift-JIS, backslashes, in another case.
    const std::string target =
        "Tools\\it's a \"test\"; $(touch pwned) `touch pwned2` -x \x95\x5C.sh";
    WriteDisc({"Run\r\n" + target + "\r\nFolder\r\ntools\r\nEmpty\r\n\r\n"});
    std::filesystem::permissions(
        disc.write("_html/tools/" + name, "#!/bin/sh\necho ran > ran.txt\n"),
        std::filesystem::perms::owner_all);
    Start();
    Show(1);
    std::vector<QUrl> opened;
    platform::SetDesktopOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });

    form->btnPanel0Click(Button(0));
    const auto ran = disc.root() / "_html/tools/ran.txt";
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(ran); }));
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(std::filesystem::exists(disc.root() / "_html/tools/pwned"));
    EXPECT_FALSE(std::filesystem::exists(disc.root() / "_html/pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));

    form->btnPanel0Click(Button(1)); // a folder goes to the desktop
    form->btnPanel0Click(Button(2)); // an empty target opens the content directory itself
    EXPECT_EQ(opened, (std::vector<QUrl>{Page("tools"), Page("")}));
    platform::SetDesktopOpenerForTesting(nullptr);
}

} // namespace
