// The window with the real HTML view: the first page at start, a link followed in the page moves
// the tree and refills the launch strip, Back moves the tree the same way, and a launch button
// runs a script from the disc in its own directory.

#include "shared_state_scope.h"
#include "tests/support/disc_lists.h"
#include "tests/support/qt_wait.h"
#include "tests/support/temp_folder.h"
#include "ui/contents_tree_view.h"
#include "ui/launch_button.h"
#include "ui/tform1.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

TEST(RealView, LinksBackAndLaunchWithTheEngine) {
    testkit::TempDisc disc;
    testkit::WriteLists(
        disc.root(),
        {{"Pages"}, {"\tFirst", "first.htm"}, {"\tSecond", "sub\\Second.htm", "sub\\second.txt"}});
    disc.write("_html/first.htm", "<html><head><meta charset=\"Shift_JIS\"></head><body>"
                                  "<a id=\"go\" href=\"sub/Second.htm\">next</a></body></html>");
    disc.write("_html/sub/Second.htm", "<html><body><p id=\"second\">second</p></body></html>");
    disc.write("_html/sub/second.txt", "Run it\r\nsub\\tools\\run.sh\r\n");
    std::filesystem::permissions(
        disc.write("_html/sub/tools/run.sh", "#!/bin/sh\necho ran > launched.txt\n"),
        std::filesystem::perms::owner_all);

    QStringList reports;
    const SharedStateScope state(disc.programDir(), disc.htmlDir(), &reports);
    {
        TForm1 form;
        form.show();
        auto* view = qobject_cast<QWebEngineView*>(form.WebBrowser);
        ASSERT_NE(view, nullptr);
        const auto showing = [&](const char* file) {
            return view->url().toLocalFile().endsWith(QString::fromLatin1(file));
        };
        bool loaded = false;
        int loading = 0; // loads started and not finished yet
        QObject::connect(view, &QWebEngineView::loadStarted, [&] { ++loading; });
        QObject::connect(view, &QWebEngineView::loadFinished, [&](bool ok) {
            loaded = ok;
            loading = std::max(0, loading - 1);
        });
        // Settled: no selection change waiting for its delay, the view has told of the tree's own
        // request (until it does, the flag is clear and the window ignores the view's reports, a
        // Back's included), and no load under way. A busy engine tells of the request well after
        // the load before it has finished.
        const auto settled = [&] {
            return !form.TreeView->ChangePending() && NavFromBrowser && loading == 0;
        };

        // Start: the first node with a page is selected and its page shown.
        ASSERT_TRUE(WaitFor([&] { return showing("first.htm") && loaded; }));
        EXPECT_EQ(form.TreeView->SelectedNode(), 1);
        EXPECT_EQ(form.StripHeight(), 0);

        // A link followed in the page selects its node and refills the strip.
        loaded = false;
        view->page()->runJavaScript(QStringLiteral("document.getElementById('go').click();"));
        ASSERT_TRUE(WaitFor([&] { return form.TreeView->SelectedNode() == 2; }));
        ASSERT_TRUE(
            WaitFor([&] { return form.StripHeight() == 34 && showing("Second.htm") && loaded; }));
        ASSERT_TRUE(WaitFor(settled)); // the tree's own request for the page has come and gone
        EXPECT_EQ(ButtonTargets[0], "sub\\tools\\run.sh");

        // Back: the view goes back and the tree follows.
        form.btnBackClick();
        ASSERT_TRUE(WaitFor([&] { return form.TreeView->SelectedNode() == 1; }));
        ASSERT_TRUE(WaitFor([&] { return showing("first.htm"); }));

        // Forward to the second page again through the tree, then launch its script.
        form.TreeView->SelectNode(2);
        ASSERT_TRUE(WaitFor([&] { return form.StripHeight() == 34; }));
        form.btnPanel0Click(form.btnPanel[0]);
        EXPECT_TRUE(WaitFor(
            [&] { return std::filesystem::exists(disc.root() / "_html/sub/tools/launched.txt"); }));
    }
    EXPECT_TRUE(reports.isEmpty()) << reports.join(QLatin1Char('\n')).toStdString();
}

} // namespace
