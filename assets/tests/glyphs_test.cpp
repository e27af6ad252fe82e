#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace skin {
namespace {

using testing::Hex;
using testing::LoadSkin;

QImage LoadGlyph(const GlyphRule& rule) {
    return LoadSkin(GlyphPath(rule.glyph)).convertToFormat(QImage::Format_RGB32);
}

TEST(Glyphs, OnlyTheBottomLeftCornerIsTheKeyColour) {
    for (const GlyphRule& rule : kGlyphs) {
        SCOPED_TRACE(rule.file);
        const QImage glyph = LoadGlyph(rule);
        ASSERT_EQ(glyph.size(), GlyphSize(rule.button));
        const QPoint corner(0, glyph.height() - 1);
        EXPECT_EQ(glyph.pixel(corner) & RGB_MASK, kGlyphKeyColour & RGB_MASK);
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                if (QPoint(x, y) != corner) {
                    EXPECT_NE(glyph.pixel(x, y) & RGB_MASK, kGlyphKeyColour & RGB_MASK)
                        << "key colour at " << x << "," << y;
                }
            }
        }
    }
}

TEST(Glyphs, LogoAndTabGlyphsRepeatTheBackgroundUnderTheirButtons) {
    const QImage bg = LoadSkin(BackgroundPath()).convertToFormat(QImage::Format_RGB32);
    int checked = 0;
    for (const GlyphRule& rule : kGlyphs) {
        if (!rule.repeatsBackground) {
            continue;
        }
        SCOPED_TRACE(rule.file);
        ++checked;
        const QImage glyph = LoadGlyph(rule);
        ASSERT_EQ(glyph.size(), GlyphSize(rule.button));
        int differ = 0;
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                if (x == 0 && y == glyph.height() - 1) {
                    continue; // the key corner, outside the button anyway
                }
                const QPoint under = rule.button.topLeft() + QPoint(x, y);
                if (glyph.pixel(x, y) != bg.pixel(under) && differ++ == 0) {
                    ADD_FAILURE() << "first difference at " << x << "," << y << ": glyph "
                                  << Hex(glyph.pixel(x, y)) << ", background "
                                  << Hex(bg.pixel(under));
                }
            }
        }
        EXPECT_EQ(differ, 0);
    }
    EXPECT_EQ(checked, 4);
}

TEST(Glyphs, CommandKeysAreGreyStoneWithBlackMarkings) {
    for (const GlyphRule& rule : kGlyphs) {
        if (rule.repeatsBackground) {
            continue;
        }
        SCOPED_TRACE(rule.file);
        const QImage glyph = LoadGlyph(rule);
        // Inside the bevel: the face a user reads.
        const QRect face = QRect(QPoint(0, 0), rule.button.size()).adjusted(3, 3, -3, -3);
        long tint = 0;
        int grey = 0;
        int ink = 0;
        for (int y = face.top(); y <= face.bottom(); ++y) {
            for (int x = face.left(); x <= face.right(); ++x) {
                const QRgb px = glyph.pixel(x, y);
                tint += std::abs(qRed(px) - qBlue(px)) + std::abs(qGreen(px) - qBlue(px));
                grey += qGray(px) > 120 ? 1 : 0;
                ink += qGray(px) < 40 ? 1 : 0;
            }
        }
        const int area = face.width() * face.height();
        EXPECT_LT(tint / area, 16) << "the stone should be grey";
        EXPECT_GT(grey, area / 2) << "the stone should be light";
        EXPECT_GT(ink, 25) << "the symbol and label are missing";
    }
}

// The web-site buttons must sit on their artwork, not on bare sky: the tabs and the publisher's
// mark are dark plates reaching to the buttons' edges, the magazine's logo white lettering.
TEST(Glyphs, WebSiteButtonsCoverTheirArtwork) {
    const struct {
        Glyph glyph;
        bool darkPlate;
    } cases[] = {
        {Glyph::QuilHomePage, true},
        {Glyph::TwHomePage, true},
        {Glyph::WickLogo, true},
        {Glyph::QuilLogo, false},
    };
    for (const auto& c : cases) {
        const GlyphRule& rule = RuleFor(c.glyph);
        SCOPED_TRACE(rule.file);
        const QImage glyph = LoadGlyph(rule);
        const QRect button(QPoint(0, 0), rule.button.size());
        if (c.darkPlate) {
            // Two pixels in from the button's edge is already the plate.
            for (const QPoint p :
                 {button.topLeft() + QPoint(2, 2), button.topRight() + QPoint(-2, 2),
                  button.bottomLeft() + QPoint(2, -2), button.bottomRight() + QPoint(-2, -2)}) {
                EXPECT_LT(qGray(glyph.pixel(p)), 110) << "at " << p.x() << "," << p.y();
            }
        } else {
            int white = 0;
            for (int y = 0; y < button.height(); ++y) {
                for (int x = 0; x < button.width(); ++x) {
                    white += qGray(glyph.pixel(x, y)) > 235 ? 1 : 0;
                }
            }
            EXPECT_GT(white, 400) << "the lettering is missing";
        }
    }
}

} // namespace
} // namespace skin
