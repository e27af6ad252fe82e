// The window on high-resolution screens: drawn at the scale the desktop asks for when it fits,
// else at the largest scale that fits, with the skin's pictures drawn for that scale.

#include "tests/support/screen_grab.h"
#include "tests/support/session.h"
#include "tests/support/settled_window.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

constexpr Rgb kIssueBar{0x50, 0x6A, 0x44};

struct ScreenCase final {
    const char* what;
    int width;
    int height;
    std::vector<std::string> environment;
    const char* xftDpi; // the desktop's Xft.dpi in the root window's resources, or none
    double scale;       // what the window is drawn at
};

// Puts Xft.dpi into the root window's resources, as a desktop's settings daemon or xrdb does.
void SetXftDpi(const XClient& client, const char* dpi) {
    client.SetText(client.root(), "RESOURCE_MANAGER", "STRING",
                   std::string("Xft.dpi:\t") + dpi + "\n");
    client.Sync();
}

// The main window once it shows its skin at `scale`: the issue bar where the design puts it.
testing::AssertionResult WaitForWindowAt(Session& session, double scale) {
    return session.WaitForMainWindow(30s, [&](const Rect& at) {
        return PixelAt(session.client(), at.x + static_cast<int>(kIssueBarX * scale),
                       at.y + static_cast<int>(kIssueBarY * scale)) == kIssueBar;
    });
}

int Device(int design, double scale) {
    return static_cast<int>(std::lround(design * scale));
}

// 1920x1080 at 200 %: the design's 1600x1200 does not fit, so the window is drawn at 180 %,
// 1440x1080, whole on the screen, whether the 200 % comes from Qt's setting or the desktop's.
TEST(ScreenScale, TooLargeForTheScreenTheWindowIsDrawnAtTheLargestScaleThatFits) {
    const ScreenCase cases[] = {
        {"QT_SCALE_FACTOR 2", 1920, 1080, {"QT_SCALE_FACTOR=2"}, nullptr, 1.8},
        {"Xft.dpi 192", 1920, 1080, {}, "192", 1.8},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.what);
        Session session(c.width, c.height);
        if (c.xftDpi != nullptr) {
            SetXftDpi(session.client(), c.xftDpi);
        }
        session.Start(c.environment);

        ASSERT_TRUE(WaitForWindowAt(session, c.scale)) << "showing its skin at " << c.scale;
        const Rect& at = session.at();
        EXPECT_EQ(at.width, Device(800, c.scale));
        EXPECT_EQ(at.height, Device(600, c.scale));
        EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.x + at.width <= c.width &&
                    at.y + at.height <= c.height)
            << "the window " << at << " does not lie wholly on the screen";
    }
}

QImage SkinPicture(const char* file) {
    return QImage(QString::fromUtf8(QUILCD_SKIN_DIR) + u'/' + QString::fromUtf8(file))
        .convertToFormat(QImage::Format_RGB32);
}

Rgb ColourOf(QRgb pixel) {
    return Rgb{static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
               static_cast<uint8_t>(qBlue(pixel))};
}

// The winter scene with the logos and the tabs (the four web-site buttons repeat it) shows
// exactly the picture drawn for the scale: at 100 % as it always did, at 200 % the 2x picture,
// which is more than the 1x picture enlarged.
TEST(ScreenScale, SkinShowsThePictureDrawnForItsScale) {
    const struct {
        const char* what;
        int width;
        int height;
        std::vector<std::string> environment;
        int scale;
        const char* picture;
    } cases[] = {
        {"1024x768 at 100 %", 1024, 768, {}, 1, "background.png"},
        {"2560x1600 at 200 %", 2560, 1600, {"QT_SCALE_FACTOR=2"}, 2, "background@2x.png"},
    };
    const QImage plain = SkinPicture("background.png");
    ASSERT_FALSE(plain.isNull());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage picture = SkinPicture(c.picture);
        ASSERT_FALSE(picture.isNull());
        Session session(c.width, c.height);
        session.Start(c.environment);

        ASSERT_TRUE(WaitForWindowAt(session, c.scale)) << "showing its skin";
        const Rect& at = session.at();
        ASSERT_EQ(at.width, 800 * c.scale);
        const QRect scene(QPoint(556, 0) * c.scale, QSize(244, 153) * c.scale);
        const std::optional<ScreenArea> shown = AreaAt(
            session.client(), at.x + scene.x(), at.y + scene.y(), scene.width(), scene.height());
        ASSERT_TRUE(shown);
        int differ = 0;
        int enlarged = 0;
        for (int y = 0; y < scene.height(); ++y) {
            for (int x = 0; x < scene.width(); ++x) {
                const Rgb& seen = shown->At(x, y);
                if (seen != ColourOf(picture.pixel(scene.x() + x, scene.y() + y)) &&
                    differ++ == 0) {
                    ADD_FAILURE() << "first difference at (" << scene.x() + x << ","
                                  << scene.y() + y << "): " << seen;
                }
                const QPoint design((scene.x() + x) / c.scale, (scene.y() + y) / c.scale);
                enlarged += seen == ColourOf(plain.pixel(design)) ? 1 : 0;
            }
        }
        EXPECT_EQ(differ, 0) << "pixels unlike the picture";
        if (c.scale > 1) {
            // Each pixel of the 1x picture repeated: what an enlargement would show.
            EXPECT_LT(enlarged, scene.width() * scene.height() / 2)
                << "the scene looks like the 1x picture enlarged";
        }
    }
}

} // namespace
