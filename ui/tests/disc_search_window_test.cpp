// The window's side of the disc search, with a fake page view: the search window answers as the
// reader types, Down and Enter choose a result, a listed page moves the tree and a page only links
// reach is shown with the tree left alone, and the view then marks the word as the page writes it.
// Every new control has a name for screen readers.

#include "form_fixture.h"
#include "tests/support/temp_folder.h"
#include "ui/disc_search_window.h"
#include "ui/find_bar.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class DiscSearchWindowTest : public ::testing::Test, public FormFixture {
protected:
    void SetUp() override {
        ::setenv("XDG_CACHE_HOME", m_cache.str().c_str(), 1);
        disc.write("menu/tree.txt", "Pages\r\n\tFirst\r\n\tSecond\r\n");
        disc.write("menu/html.txt", "\r\nfirst.htm\r\nsecond.htm\r\n");
        disc.write("menu/button.txt", "\r\n\r\n\r\n");
        disc.write("menu/init.txt", "Search\r\n");
        disc.write("_html/first.htm", "<p>first <a href=\"lonely.htm\">next</a></p>");
        disc.write("_html/second.htm", "<p>\x83\x5c\x83\x74\x83\x67 second</p>"); // ソフト
        disc.write("_html/lonely.htm", "<p>\xBF\xCC\xC4 lonely</p>");             // ｿﾌﾄ
        Start();
        form->show();
        Settle();
        form->OpenDiscSearch();
        window = form->DiscSearchWindow();
        ASSERT_NE(window, nullptr);
        field = window->findChild<QLineEdit*>(QStringLiteral("SearchField"));
        list = window->findChild<QListWidget*>(QStringLiteral("SearchResults"));
        ASSERT_TRUE(field && list);
    }
    void TearDown() override { ::unsetenv("XDG_CACHE_HOME"); }

    // The words as an input method gives them: committed text, not keys.
    void Type(const QString& words) {
        QInputMethodEvent commit;
        commit.setCommitString(words);
        QCoreApplication::sendEvent(field, &commit);
        ASSERT_TRUE(WaitFor([&] { return list->count() > 0; }))
            << window->StatusText().toStdString();
    }

    testkit::TempDir m_cache;
    TDiscSearchWindow* window = nullptr;
    QLineEdit* field = nullptr;
    QListWidget* list = nullptr;
};

TEST_F(DiscSearchWindowTest, ChoosingAListedPageMovesTheTreeAndMarksTheWord) {
    Type(QStringLiteral("ｿﾌﾄ"));
    ASSERT_EQ(list->count(), 2); // the entry first, then the page only a link reaches
    EXPECT_TRUE(list->item(0)->text().contains(QStringLiteral("Pages › Second")))
        << list->item(0)->text().toStdString();
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("lonely.htm")));

    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Return);
    Settle();
    EXPECT_EQ(form->TreeView->SelectedNode(), 2);
    ASSERT_FALSE(navigations.empty());
    EXPECT_EQ(navigations.back(), Page("second.htm"));
    // Once the page has loaded, the find bar marks the word as the page writes it.
    EXPECT_FALSE(form->FindBar()->isVisible());
    form->PageView().PageShown(Page("second.htm"));
    EXPECT_TRUE(form->FindBar()->isVisible());
    EXPECT_EQ(form->FindBar()->Text(), QStringLiteral("ソフト"));

    // Chosen again while already chosen, the page is shown again at once.
    const std::size_t before = navigations.size();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(navigations.size(), before + 1);
}

TEST_F(DiscSearchWindowTest, APageOnlyLinksReachIsShownWithTheTreeLeftAlone) {
    Type(QStringLiteral("lonely"));
    ASSERT_EQ(list->count(), 1);
    const int selected = form->TreeView->SelectedNode();
    QTest::keyClick(list, Qt::Key_Return); // Enter in the list chooses the first result too
    Settle();
    EXPECT_EQ(form->TreeView->SelectedNode(), selected);
    ASSERT_FALSE(navigations.empty());
    EXPECT_EQ(navigations.back(), Page("lonely.htm"));
    form->PageView().PageShown(Page("first.htm")); // another page: nothing to mark there
    EXPECT_FALSE(form->FindBar()->isVisible());
    form->PageView().PageShown(Page("lonely.htm"));
    EXPECT_EQ(form->FindBar()->Text(), QStringLiteral("lonely"));
}

TEST_F(DiscSearchWindowTest, EscClosesAndAnOverlongQueryIsRefusedWithAMessage) {
    field->setText(QString(1001, QLatin1Char('a')));
    EXPECT_TRUE(WaitFor([&] { return window->StatusText().contains(QStringLiteral("1000")); }));
    EXPECT_EQ(list->count(), 0);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DiscSearchWindowTest, EveryNewControlHasANameForScreenReaders) {
    form->OpenFindBar();
    for (QWidget* root : std::initializer_list<QWidget*>{window, form->FindBar()}) {
        const QList<QWidget*> controls = root->findChildren<QWidget*>();
        int named = 0;
        for (QWidget* control : controls) {
            if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
                !qobject_cast<QListWidget*>(control) &&
                control->objectName() != QStringLiteral("FindCount") &&
                control->objectName() != QStringLiteral("SearchStatus"))
                continue;
            if (control->objectName() == QStringLiteral("qt_edit_menu") ||
                control->parent() != root)
                continue; // Qt's own parts of a field (its clear button)
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
            ++named;
        }
        EXPECT_GE(named, 3) << root->objectName().toStdString();
    }
}

} // namespace
