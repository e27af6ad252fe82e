// What the window does as a window: its shape on the system it was designed for, minimising
// with its state kept, the web-site buttons, and closing.

#include "form_fixture.h"
#include "platform/shell_open.h"
#include "platform/version_value.h"
#include "ui/contents_tree_view.h"
#include "ui/picture_button.h"

#include <gtest/gtest.h>

namespace {

class WindowBehaviour : public ::testing::Test, protected FormFixture {
protected:
    void SetUp() override { WriteExampleDisc(); }
    void TearDown() override { platform::SetSystemVersionValueForTesting(std::nullopt); }
};

TEST_F(WindowBehaviour, RoundedCornersOnlyOnWindows98) {
    platform::SetSystemVersionValueForTesting(0xC0000A04u); // Windows 98 on a 1024 x 768 screen
    Start();
    const QRegion mask = form->mask();
    ASSERT_FALSE(mask.isEmpty());
    for (QPoint cut :
         {QPoint(0, 0), QPoint(799, 0), QPoint(0, 599), QPoint(799, 599), QPoint(1, 1)})
        EXPECT_FALSE(mask.contains(cut)) << cut.x() << "," << cut.y();
    for (QPoint in : {QPoint(8, 0), QPoint(0, 8), QPoint(400, 300), QPoint(799, 300), QPoint(4, 4)})
        EXPECT_TRUE(mask.contains(in)) << in.x() << "," << in.y();
    form->close(); // closing removes the shape
    EXPECT_TRUE(form->mask().isEmpty());
}

TEST_F(WindowBehaviour, RectangularOnOtherSystems) {
    for (std::uint32_t version : {0xC0000004u, 0xC0005A04u, 0x00000A04u, 0u}) {
        platform::SetSystemVersionValueForTesting(version);
        Start();
        EXPECT_TRUE(form->mask().isEmpty()) << std::hex << version;
        form.reset();
    }
}

TEST_F(WindowBehaviour, MinimiseKeepsTheState) {
    Start();
    form->show();
    Settle();
    form->TreeView->SelectNode(2);
    Settle();
    const auto pages = navigations.size();
    form->btnMinimizeClick();
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
    form->showNormal();
    // Shown again: whatever the window system's answer brings has been taken in.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Settle();
    EXPECT_EQ(form->TreeView->SelectedNode(), 2);
    EXPECT_EQ(navigations.size(), pages); // nothing reloaded
    EXPECT_EQ(form->StripHeight(), 0);
}

TEST_F(WindowBehaviour, EachSiteButtonOpensItsOwnSite) {
    Start();
    form->show();
    const struct {
        TPictureButton* button;
        const char* address;
    } cases[] = {
        {form->btnQUILHP, "http://www.quillore.example/"},
        {form->BtnQUILLOGO, "http://www.quillore.example/"},
        {form->btnTWHP, "http://www.tarnwick.example/"},
        {form->BtnWICKLOGO, "http://www.tarnwick.example/"},
    };
    for (const auto& c : cases) {
        const std::string name = c.button->objectName().toStdString();
        std::vector<QUrl> opened;
        platform::SetDesktopOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });
        // At the button's right edge: the logo overlaps the left of the magazine's tab.
        QTest::mouseClick(c.button, Qt::LeftButton, {},
                          QPoint(c.button->width() - 3, c.button->height() / 2));
        platform::SetDesktopOpenerForTesting(nullptr);
        EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(QString::fromLatin1(c.address))})) << name;
    }
}

TEST_F(WindowBehaviour, QuitClosesTheWindow) {
    Start();
    form->show();
    QTest::mouseClick(form->btnQuit, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
