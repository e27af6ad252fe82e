#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace skin {
namespace {

using testing::LoadSkin;

int Channel(QRgb pixel, int which) {
    return which == 0 ? qRed(pixel) : which == 1 ? qGreen(pixel) : qBlue(pixel);
}

// The share of pixels in which some channel of `a` and `b` lies more than `levels` apart.
double ShareApart(const QImage& a, const QImage& b, int levels) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (int channel = 0; channel < 3; ++channel) {
                if (std::abs(Channel(a.pixel(x, y), channel) - Channel(b.pixel(x, y), channel)) >
                    levels) {
                    ++apart;
                    break;
                }
            }
        }
    }
    return static_cast<double>(apart) / (a.width() * a.height());
}

// The mean difference per channel between the 1x picture and the 2x one reduced to 1x by
// averaging each 2 x 2 block.
double MeanDifferenceFromReduced(const QImage& one, const QImage& two) {
    long total = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb px[] = {two.pixel(2 * x, 2 * y), two.pixel(2 * x + 1, 2 * y),
                               two.pixel(2 * x, 2 * y + 1), two.pixel(2 * x + 1, 2 * y + 1)};
            for (int channel = 0; channel < 3; ++channel) {
                int sum = 0;
                for (const QRgb p : px) {
                    sum += Channel(p, channel);
                }
                total += std::abs((sum + 2) / 4 - Channel(one.pixel(x, y), channel));
            }
        }
    }
    return static_cast<double>(total) / (3.0 * one.width() * one.height());
}

// A 2x picture is the 1x artwork drawn again at twice the resolution: the lettering, the
// outlines and the textures of a sharper picture, not the 1x picture enlarged.
TEST(TwoTimesPictures, AreTheArtworkDrawnFinerNotEnlarged) {
    const struct {
        const char* what;
        const char* file;
        QRect design; // empty: the whole picture
    } cases[] = {
        {"winter scene and logos", kBackgroundFile, kSceneArea},
        {"band of trees", kBackgroundFile, kCommandBand},
        {"Back key", RuleFor(Glyph::Back).file, {}},
        {"Quit key", RuleFor(Glyph::Quit).file, {}},
        {"icon", kIconFile, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QImage one = LoadSkin(c.file, 1, QImage::Format_RGB32);
        QImage two = LoadSkin(c.file, 2, QImage::Format_RGB32);
        ASSERT_EQ(two.size(), one.size() * 2);
        if (!c.design.isEmpty()) {
            one = one.copy(c.design);
            two = two.copy(QRect(c.design.topLeft() * 2, c.design.size() * 2));
        }
        // Reduced to 1x it is the same picture ...
        EXPECT_LT(MeanDifferenceFromReduced(one, two), 8.0);
        // ... and it is no enlargement of the 1x picture, smooth or pixel by pixel: a share of
        // its pixels lies clearly apart from either.
        for (const auto mode : {Qt::SmoothTransformation, Qt::FastTransformation}) {
            const QImage enlarged = one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, mode);
            EXPECT_GT(ShareApart(two, enlarged, 16), 0.04)
                << (mode == Qt::SmoothTransformation ? "smooth" : "pixel by pixel");
        }
    }
}

} // namespace
} // namespace skin
