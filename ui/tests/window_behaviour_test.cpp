// What the window does as a window: its shape on the system it was designed for, minimising
// with its state kept, the web-site buttons, and closing.

#include "form_fixture.h"
#include "platform/shell_open.h"
#include "platform/version_value.h"
#include "ui/contents_tree_view.h"
#include "ui/picture_button.h"

#include <QSignalSpy>

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
    Settle();
    EXPECT_EQ(form->TreeView->SelectedNode(), 2);
    EXPECT_EQ(navigations.size(), pages); // nothing reloaded
    EXPECT_EQ(form->StripHeight(), 0);
}

TEST_F(WindowBehaviour, EachSiteHasTwoButtonsWithOneHintAndOneAddress) {
    Start();
    form->show();
    std::vector<QUrl> opened;
    platform::SetDesktopOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });
    for (TPictureButton* button :
         {form->btnQUILHP, form->BtnQUILLOGO, form->btnTWHP, form->BtnWICKLOGO})
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->width() - 3, button->height() / 2));
    platform::SetDesktopOpenerForTesting(nullptr);
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0], opened[1]);
    EXPECT_EQ(opened[2], opened[3]);
    EXPECT_NE(opened[0], opened[2]);
    for (const QUrl& url : opened)
        EXPECT_EQ(url.scheme(), QStringLiteral("http"));
    EXPECT_EQ(form->btnQUILHP->toolTip(), form->BtnQUILLOGO->toolTip());
    EXPECT_EQ(form->btnTWHP->toolTip(), form->BtnWICKLOGO->toolTip());
}

TEST_F(WindowBehaviour, QuitClosesTheWindow) {
    Start();
    form->show();
    QTest::mouseClick(form->btnQuit, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
