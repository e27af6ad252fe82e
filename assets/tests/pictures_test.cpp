#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace skin {
namespace {

using testing::AtScale;
using testing::Hex;
using testing::LoadSkin;

TEST(SkinPictures, EveryPictureIsInTheResourceAtItsSizeAtEachScale) {
    struct Case {
        const char* file;
        QSize size;
        bool alpha;
    };
    std::vector<Case> cases{
        {kBackgroundFile, kBackgroundSize, false},
        {kCreditFile, kCreditSize, false},
        {kIconFile, kIconSize, true},
        {kExpandedMarkFile, kMarkSize, true},
        {kCollapsedMarkFile, kMarkSize, true},
    };
    for (const GlyphRule& rule : kGlyphs) {
        cases.push_back({rule.file, GlyphSize(rule.button), false});
    }
    for (const int scale : kScales) {
        for (const Case& c : cases) {
            SCOPED_TRACE(ResourcePath(c.file, scale).toStdString());
            const QImage image = LoadSkin(ResourcePath(c.file, scale));
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), c.size * scale);
            // Glyphs and the background are opaque pictures: a button keys out only the corner
            // colour, never an alpha channel.
            EXPECT_EQ(image.hasAlphaChannel(), c.alpha);
        }
    }
}

TEST(SkinPictures, CreditStripIsWhiteLetteringOnBlack) {
    for (const int scale : kScales) {
        SCOPED_TRACE(AtScale(scale));
        const QImage strip = LoadSkin(kCreditFile, scale, QImage::Format_RGB32);
        ASSERT_FALSE(strip.isNull());
        int white = 0;
        int black = 0;
        std::set<std::string> others;
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = 0; x < strip.width(); ++x) {
                const QRgb c = strip.pixel(x, y) & RGB_MASK;
                if (c == (qRgb(255, 255, 255) & RGB_MASK)) {
                    ++white;
                } else if (c == 0) {
                    ++black;
                } else {
                    others.insert(Hex(c));
                }
            }
        }
        EXPECT_TRUE(others.empty()) << "first stray colour " << *others.begin();
        EXPECT_GT(white, 20 * scale * scale) << "the lettering is missing";
        EXPECT_GT(black, white) << "the ground must be black, the lettering white";
    }
}

TEST(SkinPictures, IconIsALetterOnATileWithTransparentCorners) {
    for (const int scale : kScales) {
        SCOPED_TRACE(AtScale(scale));
        const QImage icon = LoadSkin(kIconFile, scale, QImage::Format_ARGB32);
        ASSERT_FALSE(icon.isNull());
        const int right = icon.width() - 1;
        const int bottom = icon.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
        int white = 0;
        int red = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb c = icon.pixel(x, y);
                if (qAlpha(c) == 255 && qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240) {
                    ++white;
                }
                if (qAlpha(c) == 255 && qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80) {
                    ++red;
                }
            }
        }
        EXPECT_GT(white, 60 * scale * scale) << "the white letter is missing";
        EXPECT_GT(red, 8 * scale * scale) << "the red stroke is missing";
        EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
    }
}

} // namespace
} // namespace skin
