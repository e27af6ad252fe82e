#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace skin {
namespace {

using testing::AtScale;
using testing::Hex;
using testing::LoadSkin;

QImage LoadGlyph(const GlyphRule& rule, int scale) {
    return LoadSkin(rule.file, scale, QImage::Format_RGB32);
}

// The key colour fills the glyph's bottom-left pixel of the design (a 2 x 2 block at 2x) and
// nothing else, or those pixels would vanish from the button.
TEST(Glyphs, OnlyTheBottomLeftCornerIsTheKeyColour) {
    for (const int scale : kScales) {
        for (const GlyphRule& rule : kGlyphs) {
            SCOPED_TRACE(std::string(rule.file) + " " + AtScale(scale));
            const QImage glyph = LoadGlyph(rule, scale);
            ASSERT_EQ(glyph.size(), GlyphSize(rule.button) * scale);
            const QRect corner(0, glyph.height() - scale, scale, scale);
            int stray = 0;
            for (int y = 0; y < glyph.height(); ++y) {
                for (int x = 0; x < glyph.width(); ++x) {
                    const bool key = (glyph.pixel(x, y) & RGB_MASK) == (kGlyphKeyColour & RGB_MASK);
                    if (key != corner.contains(x, y) && stray++ == 0) {
                        ADD_FAILURE()
                            << (key ? "key colour" : "no key colour") << " at " << x << "," << y;
                    }
                }
            }
            EXPECT_EQ(stray, 0);
        }
    }
}

TEST(Glyphs, LogoAndTabGlyphsRepeatTheBackgroundUnderTheirButtons) {
    for (const int scale : kScales) {
        const QImage bg = LoadSkin(kBackgroundFile, scale, QImage::Format_RGB32);
        int checked = 0;
        for (const GlyphRule& rule : kGlyphs) {
            if (!rule.repeatsBackground) {
                continue;
            }
            SCOPED_TRACE(std::string(rule.file) + " " + AtScale(scale));
            ++checked;
            const QImage glyph = LoadGlyph(rule, scale);
            ASSERT_EQ(glyph.size(), GlyphSize(rule.button) * scale);
            int differ = 0;
            for (int y = 0; y < glyph.height(); ++y) {
                for (int x = 0; x < glyph.width(); ++x) {
                    if (x < scale && y >= glyph.height() - scale) {
                        continue; // the key corner, outside the button anyway
                    }
                    const QPoint under = rule.button.topLeft() * scale + QPoint(x, y);
                    if (glyph.pixel(x, y) != bg.pixel(under) && differ++ == 0) {
                        ADD_FAILURE()
                            << "first difference at " << x << "," << y << ": glyph "
                            << Hex(glyph.pixel(x, y)) << ", background " << Hex(bg.pixel(under));
                    }
                }
            }
            EXPECT_EQ(differ, 0);
        }
        EXPECT_EQ(checked, 4);
    }
}

TEST(Glyphs, CommandKeysAreGreyStoneWithBlackMarkings) {
    for (const int scale : kScales) {
        for (const GlyphRule& rule : kGlyphs) {
            if (rule.repeatsBackground) {
                continue;
            }
            SCOPED_TRACE(std::string(rule.file) + " " + AtScale(scale));
            const QImage glyph = LoadGlyph(rule, scale);
            // Inside the bevel: the face a user reads.
            const QRect face = QRect(QPoint(0, 0), rule.button.size() * scale)
                                   .adjusted(3 * scale, 3 * scale, -3 * scale, -3 * scale);
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
            EXPECT_GT(ink, 25 * scale * scale) << "the symbol and label are missing";
        }
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
    for (const int scale : kScales) {
        for (const auto& c : cases) {
            const GlyphRule& rule = RuleFor(c.glyph);
            SCOPED_TRACE(std::string(rule.file) + " " + AtScale(scale));
            const QImage glyph = LoadGlyph(rule, scale);
            const QRect button(QPoint(0, 0), rule.button.size());
            if (c.darkPlate) {
                // Two pixels of the design in from the button's edge is already the plate.
                for (const QPoint p :
                     {button.topLeft() + QPoint(2, 2), button.topRight() + QPoint(-2, 2),
                      button.bottomLeft() + QPoint(2, -2), button.bottomRight() + QPoint(-2, -2)}) {
                    EXPECT_LT(qGray(glyph.pixel(p * scale)), 110) << "at " << p.x() << "," << p.y();
                }
            } else {
                int white = 0;
                for (int y = 0; y < button.height() * scale; ++y) {
                    for (int x = 0; x < button.width() * scale; ++x) {
                        white += qGray(glyph.pixel(x, y)) > 235 ? 1 : 0;
                    }
                }
                EXPECT_GT(white, 400 * scale * scale) << "the lettering is missing";
            }
        }
    }
}

} // namespace
} // namespace skin
