// The skin's buttons as the reader uses them: every way of pressing a launch button opens its
// target as often as the reader meant, while the button looks pressed, and nothing a press does
// on it moves the window; and the bevel the launch buttons are drawn with.

#include "form_fixture.h"
#include "platform/shell_open.h"
#include "ui/launch_button.h"

#include <QMouseEvent>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

namespace {

using Bevel = TLaunchButton::Bevel;

class SkinButton : public ::testing::Test, protected FormFixture {
protected:
    void SetUp() override {
        disc.write("menu/tree.txt", "Group\r\n\tEntry\r\n");
        disc.write("menu/html.txt", "\r\np.htm\r\n");
        disc.write("menu/button.txt", "\r\nb.txt\r\n");
        disc.write("menu/init.txt", "x\r\n");
        disc.write("_html/p.htm", "<html></html>");
        disc.write("_html/b.txt", "&Alpha\r\nalpha.txt\r\nBravo\r\nbravo.txt\r\n");
        Start();
        form->show();
        form->TreeView->SelectNode(1);
        Settle();
        form->activateWindow();
        ASSERT_TRUE(WaitFor([this] { return form->isActiveWindow(); }));
        button = form->btnPanel[0];
        ASSERT_TRUE(button->isVisible());
        platform::SetDesktopOpenerForTesting([this](const QUrl& url) { opened.push_back(url); });
        QObject::connect(button, &TLaunchButton::Clicked,
                         [this](TLaunchButton* b) { bevelAtClick.push_back(b->OuterBevel()); });
        form->installEventFilter(&formMouse);
    }
    void TearDown() override { platform::SetDesktopOpenerForTesting(nullptr); }

    // A mouse event as the window system hands it to the button (Qt's grab sends the events of
    // a press to the pressed button wherever the pointer is): at `at`, in the button's pixels.
    void Mouse(QEvent::Type type, Qt::MouseButton which, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, button->mapToGlobal(at), which, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    void Key(QWidget* to, QEvent::Type type, int key, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(to, &event);
    }

    // Counts the mouse presses and releases that reach the window itself: those start a move.
    class MouseCount final : public QObject {
    public:
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            const QEvent::Type t = event->type();
            if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
                t == QEvent::MouseButtonDblClick)
                ++count;
            return false;
        }
    } formMouse;

    TLaunchButton* button = nullptr;
    std::vector<QUrl> opened;
    std::vector<Bevel> bevelAtClick;
};

TEST_F(SkinButton, EachWayOfPressingALaunchButtonOpensItsTargetAsOftenAsMeant) {
    constexpr auto L = Qt::LeftButton;
    constexpr auto R = Qt::RightButton;
    constexpr auto None = Qt::NoButton;
    constexpr auto Press = QEvent::MouseButtonPress;
    constexpr auto Double = QEvent::MouseButtonDblClick;
    constexpr auto Move = QEvent::MouseMove;
    constexpr auto Release = QEvent::MouseButtonRelease;
    constexpr auto KeyDown = QEvent::KeyPress;
    constexpr auto KeyUp = QEvent::KeyRelease;
    const QPoint in(20, 12), in2(21, 13), off(300, 12);
    QWidget* elsewhere = form->btnPanel[1];

    const struct {
        const char* gesture;
        std::function<void()> act;
        int opens;
    } cases[] = {
        {"a left click",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Release, L, in, None);
         },
         1},
        {"a right click",
         [&] {
             Mouse(Press, R, in, R);
             Mouse(Release, R, in, None);
         },
         0},
        {"a left press released off the button",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Move, None, off, L);
             Mouse(Release, L, off, None);
         },
         0},
        {"a left press that leaves the button and comes back",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Move, None, off, L);
             Mouse(Move, None, in, L);
             Mouse(Release, L, in, None);
         },
         1},
        // Widgets get a double click's second press twice: as a press and as a double click.
        {"a double click",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Release, L, in, None);
             Mouse(Press, L, in, L);
             Mouse(Double, L, in, L);
             Mouse(Release, L, in, None);
         },
         1},
        {"a double click whose pointer moves before its last release",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Release, L, in, None);
             Mouse(Press, L, in, L);
             Mouse(Double, L, in, L);
             Mouse(Move, None, in2, L);
             Mouse(Release, L, in2, None);
         },
         1},
        {"a double click whose second press comes only as a double click",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Release, L, in, None);
             Mouse(Double, L, in, L);
             Mouse(Release, L, in, None);
         },
         1},
        {"a click after a double click",
         [&] {
             Mouse(Press, L, in, L);
             Mouse(Double, L, in, L);
             Mouse(Release, L, in, None);
             Mouse(Press, L, in, L);
             Mouse(Release, L, in, None);
         },
         1},
        {"Space",
         [&] {
             Key(button, KeyDown, Qt::Key_Space);
             Key(button, KeyUp, Qt::Key_Space);
         },
         1},
        {"Space held until it repeats",
         [&] {
             Key(button, KeyDown, Qt::Key_Space);
             for (int i = 0; i < 3; ++i)
                 Key(button, KeyUp, Qt::Key_Space, true);
             Key(button, KeyDown, Qt::Key_Space, true);
             Key(button, KeyUp, Qt::Key_Space);
         },
         1},
        {"Space let go after the focus moved on",
         [&] {
             Key(button, KeyDown, Qt::Key_Space);
             elsewhere->setFocus(Qt::TabFocusReason);
             Key(elsewhere, KeyUp, Qt::Key_Space);
         },
         0},
        {"Enter",
         [&] {
             Key(button, KeyDown, Qt::Key_Return);
             Key(button, KeyUp, Qt::Key_Return);
         },
         1},
        {"Enter on the keypad",
         [&] {
             Key(button, KeyDown, Qt::Key_Enter, false, Qt::KeypadModifier);
             Key(button, KeyUp, Qt::Key_Enter, false, Qt::KeypadModifier);
         },
         1},
        {"Enter held until it repeats",
         [&] {
             Key(button, KeyDown, Qt::Key_Return);
             for (int i = 0; i < 3; ++i)
                 Key(button, KeyDown, Qt::Key_Return, true);
             Key(button, KeyUp, Qt::Key_Return);
         },
         1},
        {"its access key, Alt+A, from another button",
         [&] { QTest::keyClick(elsewhere, Qt::Key_A, Qt::AltModifier); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gesture);
        button->setFocus(Qt::TabFocusReason);
        opened.clear();
        bevelAtClick.clear();
        c.act();
        EXPECT_EQ(opened, std::vector<QUrl>(static_cast<std::size_t>(c.opens), Page("alpha.txt")));
        EXPECT_EQ(bevelAtClick, std::vector<Bevel>(bevelAtClick.size(), Bevel::Lowered))
            << "opened while the button looked raised";
        EXPECT_EQ(button->OuterBevel(), Bevel::Raised);
    }
    EXPECT_EQ(formMouse.count, 0) << "a press on a launch button reached the window";
}

// Raised: light on the top and left edges, dark on the others, two pixels wide; lowered the
// other way round. The caption is white on black and never paints over the bevel, however long.
TEST_F(SkinButton, TheLaunchButtonsBevelHasTwoPixelsAndTheCaptionStaysInside) {
    const QColor light(255, 255, 255), dark(128, 128, 128);
    for (const Bevel bevel : {Bevel::Raised, Bevel::Lowered}) {
        for (const char* caption : {"Bravo", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"}) {
            SCOPED_TRACE(caption);
            button->SetCaption(QString::fromLatin1(caption));
            button->SetOuterBevel(bevel);
            const QImage look = button->grab().toImage();
            const int w = look.width(), h = look.height();
            const QColor topLeft = bevel == Bevel::Raised ? light : dark;
            const QColor bottomRight = bevel == Bevel::Raised ? dark : light;
            int mismatches = 0, white = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const int ring = std::min({x, y, w - 1 - x, h - 1 - y});
                    const QColor pixel = look.pixelColor(x, y);
                    if (ring >= 2) {
                        white += qGray(pixel.rgb()) >= 0x80 ? 1 : 0;
                        continue;
                    }
                    // Each ring's right and bottom lines run its whole length.
                    const bool farEdge = x == w - 1 - ring || y == h - 1 - ring;
                    mismatches += pixel != (farEdge ? bottomRight : topLeft) ? 1 : 0;
                }
            }
            EXPECT_EQ(mismatches, 0) << "pixels off the bevel";
            EXPECT_GT(white, 20) << "no white caption";
            EXPECT_EQ(look.pixelColor(2, 2), Qt::black);
            EXPECT_EQ(look.pixelColor(w - 3, h - 3), Qt::black);
        }
    }
    button->SetOuterBevel(Bevel::Raised);
}

} // namespace
