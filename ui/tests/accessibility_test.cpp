// What a screen reader and a keyboard user get from the window: every control named, in its role,
// through Qt's accessibility interface (which AT-SPI hands to screen readers such as Orca), and a
// focus frame that only the keyboard brings.

#include "form_fixture.h"
#include "platform/shell_open.h"
#include "ui/caption_label.h"
#include "ui/launch_button.h"
#include "ui/picture_button.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

namespace {

class Accessibility : public ::testing::Test, protected FormFixture {
protected:
    void SetUp() override {
        WriteExampleDisc();
        // Access keys in the captions, one of them after a literal ampersand.
        disc.write("_html/feature/cover.txt",
                   "&Install the viewer\r\nfeature\\viewer\\setup.exe\r\n"
                   "Q&&A (&R)\r\nfeature\\readme.txt\r\n");
        Start();
        form->show();
        form->TreeView->SelectNode(1);
        Settle();
    }

    static QAccessibleInterface* Of(QObject* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        EXPECT_NE(face, nullptr) << object->objectName().toStdString();
        return face;
    }
};

TEST_F(Accessibility, EveryControlHasItsRoleAndName) {
    const struct {
        QObject* control;
        QAccessible::Role role;
        const char* name;
        const char* description; // nullptr: whatever Qt's control says
    } cases[] = {
        {form->btnQuit, QAccessible::Button, "ブラウザを終了する", nullptr},
        {form->btnMinimize, QAccessible::Button, "ブラウザを最小化する", nullptr},
        {form->btnBack, QAccessible::Button, "一つ前のページに戻る", nullptr},
        {form->btnQUILHP, QAccessible::Button, "Quilloreホームページを開く", nullptr},
        {form->BtnQUILLOGO, QAccessible::Button, "Quilloreホームページを開く", nullptr},
        {form->btnTWHP, QAccessible::Button, "TARNWICKホームページを開く", nullptr},
        {form->BtnWICKLOGO, QAccessible::Button, "TARNWICKホームページを開く", nullptr},
        {form->btnPanel[0], QAccessible::Button, "Install the viewer", "setup.exe"},
        {form->btnPanel[1], QAccessible::Button, "Q&A (R)", "readme.txt"},
        {form->lblInfo, QAccessible::StaticText, "1999 Vol.5 No.12", nullptr},
        {form->TreeView, QAccessible::Tree, "CONTENTS", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        QAccessibleInterface* face = Of(c.control);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), c.role);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(c.name));
        if (c.description != nullptr) {
            EXPECT_EQ(face->text(QAccessible::Description), QString::fromUtf8(c.description));
        }
        EXPECT_FALSE(face->state().invisible);
        if (c.role == QAccessible::Button) {
            EXPECT_TRUE(face->state().focusable);
            ASSERT_NE(face->actionInterface(), nullptr);
            EXPECT_TRUE(face->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
    }
    // The launch buttons the page does not use are hidden from the reader as from the eye.
    EXPECT_TRUE(Of(form->btnPanel[2])->state().invisible);

    // The tree reads as its items' texts.
    QAccessibleInterface* tree = Of(form->TreeView);
    QStringList items;
    for (int i = 0; i < tree->childCount(); ++i)
        items << tree->child(i)->text(QAccessible::Name);
    for (const char* entry : {"Feature", "Cover story", "Interview", "Software", "Utilities"})
        EXPECT_TRUE(items.contains(QString::fromUtf8(entry))) << entry;
}

TEST_F(Accessibility, ReadersPressActionLaunchesTheButtonsTarget) {
    std::vector<QUrl> opened;
    platform::SetDesktopOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });
    Of(form->btnPanel[1])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    platform::SetDesktopOpenerForTesting(nullptr);
    EXPECT_EQ(opened, (std::vector<QUrl>{Page("feature/readme.txt")}));
    EXPECT_EQ(form->btnPanel[1]->OuterBevel(), TLaunchButton::Bevel::Raised);
}

// The frame shows which control the keyboard reached; a click shows none, so nothing a mouse
// does changes how the window looks. The keys press the button that has the focus.
TEST_F(Accessibility, FocusFrameOnlyFromTheKeyboard) {
    form->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return form->isActiveWindow(); }));
    const auto looks = [](QWidget* w) {
        return w->grab().toImage();
    };

    TPictureButton* back = form->btnBack;
    const QImage plainBack = looks(back);
    QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(back->hasFocus());
    EXPECT_EQ(looks(back), plainBack) << "a click drew a focus frame";

    const QImage plainLogo = looks(form->BtnQUILLOGO);
    QTest::keyClick(back, Qt::Key_Tab); // on to the magazine's logo
    ASSERT_TRUE(form->BtnQUILLOGO->hasFocus());
    EXPECT_NE(looks(form->BtnQUILLOGO), plainLogo) << "no focus frame after Tab";
    EXPECT_EQ(looks(back), plainBack) << "the frame stayed behind";

    // Enter and Space press the focused picture button.
    std::vector<QUrl> opened;
    platform::SetDesktopOpenerForTesting([&](const QUrl& url) { opened.push_back(url); });
    QTest::keyClick(form->BtnQUILLOGO, Qt::Key_Return);
    QTest::keyClick(form->BtnQUILLOGO, Qt::Key_Space);
    platform::SetDesktopOpenerForTesting(nullptr);
    EXPECT_EQ(opened, std::vector<QUrl>(2, TForm1::MagazineSite()));

    // A launch button takes no focus from a click, and shows its frame when Tab brings it.
    TLaunchButton* first = form->btnPanel[0];
    const QImage plainFirst = looks(first);
    QTest::mouseClick(first, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(first->hasFocus());
    form->btnPanel[1]->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(form->btnPanel[1], Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(first->hasFocus());
    EXPECT_NE(looks(first), plainFirst) << "no focus frame after Shift+Tab";
}

} // namespace
