// The skin's buttons as the reader uses them: every way of pressing a launch button opens its
// target as often as the reader meant, while the button looks pressed, and nothing a press does
// on it moves the window; and the bevel the launch buttons are drawn with.

#include "form_fixture.h"
#include "platform/shell_open.h"
#include "tests/support/disc_lists.h"
#include "ui/launch_button.h"

#include <QMouseEvent>

#include <algorithm>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

using Bevel = TLaunchButton::Bevel;

class SkinButton : public ::testing::Test, protected FormFixture {
protected:
    void SetUp() override {
        testkit::WriteLists(disc.root(), {{"Group"}, {"\tEntry", "p.htm", "b.txt"}}, "x");
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

    // Plays a gesture written as steps: "Ld", "Lu", "L2" (left button down, up, its second
    // press as a double click; "R" for the right button), "out", "in" and "jig" (the pointer off
    // the button, back on it, moved by a pixel); "Sd", "Su", "Sr" (Space down, up, repeating;
    // "E" for Enter, "K" for Enter on the keypad); "Tab" (the focus to the other button) and
    // "Alt+A". The mouse's events go to the button, as Qt's grab sends them wherever the pointer
    // is; the keys go to the focus.
    void Play(const std::string& gesture) {
        const QPoint on(20, 12), off(300, 12);
        QPoint at = on;
        Qt::MouseButtons held;
        std::istringstream steps(gesture);
        for (std::string step; steps >> step;) {
            QWidget* focus = QApplication::focusWidget();
            if (step == "in" || step == "out" || step == "jig") {
                at = step == "out" ? off : step == "jig" ? on + QPoint(1, 1) : on;
                Send(button, QMouseEvent(QEvent::MouseMove, at, button->mapToGlobal(at),
                                         Qt::NoButton, held, Qt::NoModifier));
            } else if (step[0] == 'L' || step[0] == 'R') {
                const Qt::MouseButton which = step[0] == 'L' ? Qt::LeftButton : Qt::RightButton;
                const QEvent::Type type = step[1] == 'u'   ? QEvent::MouseButtonRelease
                                          : step[1] == '2' ? QEvent::MouseButtonDblClick
                                                           : QEvent::MouseButtonPress;
                held.setFlag(which, type != QEvent::MouseButtonRelease);
                Send(button,
                     QMouseEvent(type, at, button->mapToGlobal(at), which, held, Qt::NoModifier));
            } else if (step == "Tab") {
                form->btnPanel[1]->setFocus(Qt::TabFocusReason);
            } else if (step == "Alt+A") {
                QTest::keyClick(focus, Qt::Key_A, Qt::AltModifier);
            } else {
                const int key = step[0] == 'S'   ? Qt::Key_Space
                                : step[0] == 'E' ? Qt::Key_Return
                                                 : Qt::Key_Enter;
                const Qt::KeyboardModifiers mods =
                    step[0] == 'K' ? Qt::KeypadModifier : Qt::NoModifier;
                const bool repeat = step[1] == 'r';
                if (step[1] != 'd')
                    Send(focus, QKeyEvent(QEvent::KeyRelease, key, mods, QString(), repeat));
                if (step[1] != 'u')
                    Send(focus, QKeyEvent(QEvent::KeyPress, key, mods, QString(), repeat));
            }
        }
    }
    static void Send(QWidget* to, QEvent&& event) { QApplication::sendEvent(to, &event); }

    // Counts the mouse presses and releases that reach the window itself: those move it.
    class MouseCount final : public QObject {
    public:
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            const QEvent::Type t = event->type();
            count += t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
                     t == QEvent::MouseButtonDblClick;
            return false;
        }
    } formMouse;

    TLaunchButton* button = nullptr;
    std::vector<QUrl> opened;
    std::vector<Bevel> bevelAtClick;
};

TEST_F(SkinButton, EachWayOfPressingALaunchButtonOpensItsTargetAsOftenAsMeant) {
    const struct {
        const char* what;
        const char* gesture;
        int opens;
    } cases[] = {
        {"a left click", "Ld Lu", 1},
        {"a right click", "Rd Ru", 0},
        {"a left press released off the button", "Ld out Lu", 0},
        {"a left press that leaves the button and comes back", "Ld out in Lu", 1},
        // A widget gets a double click's second press twice: as a press, then a double click.
        {"a double click", "Ld Lu Ld L2 Lu", 1},
        {"a double click whose pointer moves before its last release", "Ld Lu Ld L2 jig Lu", 1},
        {"a double click whose second press comes only as a double click", "Ld Lu L2 Lu", 1},
        {"a click after a double click", "Ld L2 Lu Ld Lu", 1},
        {"Space", "Sd Su", 1},
        {"Space held until it repeats", "Sd Sr Sr Sr Su", 1},
        {"Space let go after the focus moved on", "Sd Tab Su", 0},
        {"Enter", "Ed Eu", 1},
        {"Enter on the keypad", "Kd Ku", 1},
        {"Enter held until it repeats", "Ed Er Er Er Eu", 1},
        {"the access key with the focus on another button", "Tab Alt+A", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        button->setFocus(Qt::TabFocusReason);
        opened.clear();
        bevelAtClick.clear();
        Play(c.gesture);
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
