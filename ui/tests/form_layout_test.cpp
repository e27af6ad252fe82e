// The window's component tree: every control where the design puts it, in its parent, with its
// hint, cursor, font and tab order.

#include "form_fixture.h"
#include "ui/caption_label.h"
#include "ui/contents_tree_view.h"
#include "ui/launch_button.h"
#include "ui/picture_button.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(FormLayout, EveryControlWhereTheDesignPutsIt) {
    FormFixture f;
    f.WriteExampleDisc();
    f.Start();
    TForm1& form = *f.form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillore CD-ROM Browser Main Form"));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(800, 600));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());

    const struct {
        const char* name;
        const char* parent;
        QRect rect;
        const char* hint;
        bool hand;
    } controls[] = {
        {"imgBG", "Form1", {0, 0, 800, 600}, "", false},
        {"lblInfo", "Form1", {572, 160, 207, 20}, "", false},
        {"aboutImage1", "Form1", {740, 593, 64, 5}, "", false},
        {"Panel1", "Form1", {5, 3, 551, 594}, "", false},
        {"btnQuit", "Form1", {691, 565, 73, 20}, "ブラウザを終了する", true},
        {"btnMinimize", "Form1", {691, 544, 73, 21}, "ブラウザを最小化する", true},
        {"btnQUILHP", "Form1", {687, 55, 91, 16}, "Quilloreホームページを開く", true},
        {"btnTWHP", "Form1", {631, 109, 91, 16}, "TARNWICKホームページを開く", true},
        {"TreeView", "Form1", {568, 198, 216, 329}, "", false},
        {"btnBack", "Form1", {595, 544, 96, 42}, "一つ前のページに戻る", true},
        {"BtnQUILLOGO", "Form1", {569, 20, 129, 54}, "Quilloreホームページを開く", true},
        {"BtnWICKLOGO", "Form1", {729, 86, 49, 41}, "TARNWICKホームページを開く", true},
    };
    for (const auto& c : controls) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(c.parent)) << c.name;
        EXPECT_EQ(widget->geometry(), c.rect) << c.name;
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.hint)) << c.name;
        EXPECT_EQ(widget->cursor().shape() == Qt::PointingHandCursor, c.hand) << c.name;
    }
    EXPECT_FALSE(form.aboutImage1->isVisibleTo(&form));

    // Stacking: the logo lies above the tab it overlaps; the surface pictures lie beneath all.
    const QObjectList& children = form.children();
    EXPECT_GT(children.indexOf(form.BtnQUILLOGO), children.indexOf(form.btnQUILHP));
    EXPECT_LT(children.indexOf(form.imgBG), children.indexOf(form.Panel1));

    // The page area: the view over the launch strip, which is collapsed after loading.
    EXPECT_EQ(form.WebBrowser->parentWidget(), form.Panel1);
    EXPECT_EQ(form.pnlButton->parentWidget(), form.Panel1);
    for (int i = 0; i < 12; ++i) {
        TLaunchButton* button = form.btnPanel[static_cast<std::size_t>(i)];
        EXPECT_EQ(button->parentWidget(), form.pnlButton);
        EXPECT_EQ(button->Tag(), i);
        EXPECT_EQ(button->objectName(), QStringLiteral("btnPanel%1").arg(i));
        EXPECT_EQ(ButtonPanels[static_cast<std::size_t>(i)], button);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    }

    // Fonts through their stand-ins: the Gothic face for the tree, Arial for the label.
    EXPECT_EQ(form.TreeView->font().pixelSize(), 12);
    EXPECT_EQ(QFontInfo(form.TreeView->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(form.lblInfo->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(form.lblInfo->font().pixelSize(), 13);

    // Tab order: the page area, its launch buttons, then the commands, the tree and the sites.
    const QWidget* expected[] = {form.btnQuit,     form.btnMinimize, form.TreeView,
                                 form.btnQUILHP,   form.btnTWHP,     form.btnBack,
                                 form.BtnQUILLOGO, form.BtnWICKLOGO};
    // The next control that Tab reaches: a control's own children (the tree's viewport and
    // scroll bars) and widgets that take no focus are passed over.
    const auto next = [](const QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (w->isAncestorOf(n) || !(n->focusPolicy() & Qt::TabFocus))
            n = n->nextInFocusChain();
        return n;
    };
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i)
        EXPECT_EQ(next(expected[i]), expected[i + 1])
            << expected[i]->objectName().toStdString() << " -> "
            << next(expected[i])->objectName().toStdString();
}

// Where a label puts ink, drawn alone in white on black.
QRect InkOf(TCaptionLabel& label) {
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    label.render(&image, {}, {}, QWidget::RenderFlags());
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) >= 0x80)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The issue label shows the first line of init.txt, read as Shift-JIS, and draws "&" as the
// access-key mark: "&&" is one ampersand, "&D" an underlined D.
TEST(FormLayout, TheIssueLabelShowsTheFirstLineOfInitTxt) {
    const struct {
        const char* initTxt;
        const char* caption;
        const char* drawn;
        bool underlined;
    } cases[] = {
        {"1999 Vol.5 No.12\r\nsecond line\r\n", "1999 Vol.5 No.12", "1999 Vol.5 No.12", false},
        {"\x8C\x8E\x8D\x86 R&&D\r\n", "月号 R&&D", "月号 R&D", false},
        {"R&D", "R&D", "RD", true},
    };
    for (const auto& c : cases) {
        FormFixture f;
        f.WriteExampleDisc();
        f.disc.write("menu/init.txt", c.initTxt);
        f.Start();
        TCaptionLabel& label = *f.form->lblInfo;
        const QString caption = QString::fromUtf8(c.caption);
        EXPECT_EQ(label.Caption(), caption);
        // As wide as the text drawn, not as the caption written: they differ by an ampersand,
        // some 8 pixels.
        const QRect ink = InkOf(label);
        const QFontMetrics metrics(label.font());
        EXPECT_NEAR(ink.width(), metrics.tightBoundingRect(QString::fromUtf8(c.drawn)).width(), 3)
            << c.caption;
        // The underline reaches below the same letters drawn without the mark.
        label.SetCaption(QString::fromUtf8(c.drawn));
        EXPECT_EQ(ink.bottom() > InkOf(label).bottom(), c.underlined) << c.caption;
    }
}

TEST(FormLayout, GlyphsKeepTheirRedCornerTransparent) {
    FormFixture f;
    f.WriteExampleDisc();
    f.Start();
    for (TPictureButton* button : {f.form->btnQuit, f.form->btnBack, f.form->BtnWICKLOGO}) {
        const QImage& glyph = button->Glyph();
        EXPECT_EQ(glyph.size(), button->size() + QSize(1, 1)) << button->objectName().toStdString();
        EXPECT_EQ(qAlpha(glyph.pixel(0, glyph.height() - 1)), 0);
        EXPECT_EQ(qAlpha(glyph.pixel(glyph.width() / 2, glyph.height() / 2)), 255);
    }
}

} // namespace
