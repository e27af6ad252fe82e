// The two directions between the tree and the page view, with a fake view: each road of choosing
// an entry, following a link and going back, and each failure with where it must go.

#include "content/content_error.h"
#include "form_fixture.h"
#include "ui/contents_model.h"
#include "ui/contents_tree_view.h"
#include "ui/launch_button.h"

#include <gtest/gtest.h>

namespace {

class Navigation : public ::testing::Test, protected FormFixture {
protected:
    void SetUp() override { WriteExampleDisc(); }
    // The view reports a link the reader followed: a load starts, then the navigation.
    void FollowLink(const QUrl& url) {
        view->DownloadBegin();
        view->BeforeNavigate(url);
    }
    int Selected() const { return form->TreeView->SelectedNode(); }
};

TEST_F(Navigation, StartSelectsTheFirstNodeWithAPageAndShowsItAfterTheDelay) {
    Start();
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(navigations.empty()); // the page comes with the change event, after 50 ms
    ASSERT_TRUE(WaitFor([&] { return !navigations.empty(); }));
    EXPECT_EQ(navigations, (std::vector<QUrl>{Page("feature/cover.htm")}));
    EXPECT_EQ(form->StripHeight(), 34);
    EXPECT_EQ(ButtonTargets[0], "feature\\viewer\\setup.exe");
    EXPECT_EQ(ButtonTargets[1], "feature\\readme.txt");
    EXPECT_TRUE(NavFromBrowser); // the view's own download-begin set it again
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Navigation, ChoosingEntriesAndHeadings) {
    Start();
    Settle();
    navigations.clear();

    form->TreeView->SelectNode(2); // Interview: a page, no button file
    Settle();
    EXPECT_EQ(navigations, (std::vector<QUrl>{Page("feature/talk.htm")}));
    EXPECT_EQ(form->StripHeight(), 0);
    EXPECT_EQ(form->WebBrowser->height(), 594);
    for (const std::string& target : ButtonTargets)
        EXPECT_TRUE(target.empty());

    NavFromBrowser = true;
    form->TreeView->SelectNode(3); // a heading: nothing new
    Settle();
    EXPECT_EQ(navigations.size(), 1u);
    EXPECT_TRUE(NavFromBrowser);

    // A quick run of selections gives one change, for the last node. The tree's timer fires
    // from the event loop only, which does not run between these selections however long the
    // machine stalls.
    for (int node : {1, 2, 4}) {
        form->TreeView->SelectNode(node);
        EXPECT_TRUE(form->TreeView->ChangePending());
    }
    Settle();
    EXPECT_EQ(navigations, (std::vector<QUrl>{Page("feature/talk.htm"), Page("soft/util.htm")}));
}

// A click reaches the window at once, besides the change the new selection brings 50 ms later:
// a click on a new entry asks for its page twice, a click on the entry already selected once.
TEST_F(Navigation, OneClickInTheTree) {
    Start();
    form->show();
    Settle();
    const QUrl talk = Page("feature/talk.htm");
    const struct {
        const char* what;
        std::vector<QUrl> atOnce, afterTheDelay;
    } clicks[] = {
        {"Interview, newly selected", {talk}, {talk, talk}},
        {"Interview, already selected", {talk}, {talk}},
    };
    for (const auto& c : clicks) {
        navigations.clear();
        const QRect row = form->TreeView->visualRect(form->TreeView->Model()->IndexOfNode(2));
        QTest::mouseClick(form->TreeView->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(Selected(), 2) << c.what;
        EXPECT_EQ(navigations, c.atOnce) << c.what;
        Settle();
        EXPECT_EQ(navigations, c.afterTheDelay) << c.what;
    }
    EXPECT_TRUE(reports.isEmpty());
}

// The arrow keys move the selection; the page and the launch strip follow once the change delay
// has passed, and a quick run of presses shows only the last entry's page.
TEST_F(Navigation, ArrowKeysInTheTree) {
    Start();
    form->show();
    Settle();
    const struct {
        std::vector<Qt::Key> keys;
        int node;
        const char* page;
        int strip;
    } runs[] = {
        {{Qt::Key_Down}, 2, "feature/talk.htm", 0},
        {{Qt::Key_Up}, 1, "feature/cover.htm", 34},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 4, "soft/util.htm", 0}, // over a heading
    };
    for (const auto& run : runs) {
        navigations.clear();
        for (Qt::Key key : run.keys)
            QTest::keyClick(form->TreeView, key); // the event loop does not run in between
        EXPECT_EQ(Selected(), run.node);
        EXPECT_TRUE(navigations.empty()) << run.page;
        Settle();
        EXPECT_EQ(navigations, (std::vector<QUrl>{Page(run.page)}));
        EXPECT_EQ(form->StripHeight(), run.strip) << run.page;
    }
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Navigation, FollowingLinksMovesTheTree) {
    Start();
    Settle();
    navigations.clear();

    // A link to another listed page, in another case: the tree follows at once, and the page is
    // requested again in the program's own form after the delay.
    FollowLink(Page("SOFT/Util.HTM"));
    EXPECT_EQ(Selected(), 4);
    EXPECT_TRUE(navigations.empty());
    Settle();
    EXPECT_EQ(navigations, (std::vector<QUrl>{Page("soft/util.htm")}));
    EXPECT_EQ(form->StripHeight(), 0); // soft\util.txt does not exist

    // A link to the page of the node already selected changes nothing.
    FollowLink(Page("soft/util.htm"));
    Settle();
    EXPECT_EQ(navigations.size(), 1u);

    // Unlisted pages, other schemes, queries and fragments leave the tree where it is.
    for (const QUrl& url : {Page("soft/other.htm"), QUrl(QStringLiteral("http://example.com/")),
                            QUrl(Page("feature/cover.htm").toString() + QStringLiteral("?q=1")),
                            QUrl(Page("feature/cover.htm").toString() + QStringLiteral("#top"))}) {
        FollowLink(url);
        Settle();
        EXPECT_EQ(Selected(), 4) << url.toString().toStdString();
    }
    EXPECT_EQ(navigations.size(), 1u);

    // While the flag is clear, reports are ignored.
    NavFromBrowser = false;
    view->BeforeNavigate(Page("feature/cover.htm"));
    EXPECT_EQ(Selected(), 4);
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Navigation, TheContentDirectoryItselfSelectsTheFirstNodeWithoutAPage) {
    Start();
    Settle();
    FollowLink(QUrl::fromLocalFile(QString::fromStdString(disc.htmlDir())));
    EXPECT_EQ(Selected(), 0);
}

TEST_F(Navigation, BackAsksTheViewAndDropsItsFailure) {
    Start();
    Settle();
    form->btnBackClick();
    view->failBack = true;
    form->btnBackClick();
    EXPECT_EQ(backs, 2);
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Navigation, OpenHtmStartsWithNoSelection) {
    disc.write("_html/open.htm", "<html></html>");
    Start();
    Settle();
    EXPECT_EQ(navigations, (std::vector<QUrl>{Page("open.htm")}));
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(form->StripHeight(), 0);
    // A click in the tree before anything is selected does nothing and fails nothing.
    form->TreeViewClick();
    form->ShowSelectedPage();
    EXPECT_EQ(navigations.size(), 1u);
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Navigation, FailuresGoWhereTheyBelong) {
    // html.txt one line short, button.txt two lines short, and a page listed past the tree.
    disc.write("menu/html.txt",
               "\r\nfeature\\cover.htm\r\nfeature\\talk.htm\r\n\r\n\r\n\r\nfeature\\extra.htm\r\n");
    disc.write("menu/button.txt", "\r\nfeature\\cover.txt\r\n");
    disc.write("menu/tree.txt",
               "Feature\r\n\tCover story\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n\tTools\r\n");
    Start();
    Settle();
    navigations.clear();

    // Interview has a page but no button.txt line: the display stops silently.
    form->TreeView->SelectNode(2);
    Settle();
    EXPECT_TRUE(navigations.empty());
    EXPECT_TRUE(reports.isEmpty());

    // A link to a page whose line lies past the tree: the index error, reported later, and the
    // tree stays.
    FollowLink(Page("feature/extra.htm"));
    Settle();
    EXPECT_EQ(reports, QStringList{QString::fromUtf8("不正なインデックス.")});
    EXPECT_EQ(Selected(), 2);

    // A navigation the view refuses leaves the buttons filled and reports nothing.
    reports.clear();
    ButtonTargets = {};
    view->failNavigate = true;
    form->TreeView->SelectNode(1);
    Settle();
    EXPECT_TRUE(navigations.empty());
    EXPECT_EQ(form->StripHeight(), 34);
    EXPECT_EQ(ButtonTargets[1], "feature\\readme.txt");
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Navigation, NodeWithoutHtmlLineIsReported) {
    disc.write("menu/html.txt", "\r\nfeature\\cover.htm\r\n");
    Start();
    Settle();
    form->TreeView->SelectNode(3);
    Settle();
    EXPECT_EQ(reports,
              QStringList{QString::fromUtf8("リストのインデックスが範囲を超えています (3)")});
}

TEST_F(Navigation, StartWithoutAnyPageIsReportedAndTheWindowStillOpens) {
    disc.write("menu/html.txt", "\r\n\r\n\r\n\r\n\r\n");
    Start();
    Settle();
    EXPECT_EQ(reports,
              QStringList{QString::fromUtf8("リストのインデックスが範囲を超えています (5)")});
    EXPECT_EQ(Selected(), -1);
    EXPECT_TRUE(navigations.empty());
}

} // namespace
