#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace skin {
namespace {

using testing::AtScale;
using testing::Hex;
using testing::LoadSkin;

QImage Background(int scale) {
    return LoadSkin(kBackgroundFile, scale, QImage::Format_RGB32);
}

// A rectangle of the design in the pixels of a picture at `scale`.
QRect Scaled(const QRect& design, int scale) {
    return QRect(design.topLeft() * scale, design.size() * scale);
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & RGB_MASK;
}

// Counts the pixels of `area` that are not `colour`, skipping those inside `except`.
int Stray(const QImage& image, const QRect& area, QRgb colour, const QRect& except = {}) {
    int stray = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!except.contains(x, y) && At(image, x, y) != (colour & RGB_MASK)) {
                ++stray;
            }
        }
    }
    return stray;
}

TEST(Background, PlainAreasHaveTheirExactColours) {
    const struct {
        const char* name;
        QRect area;
        QRgb colour;
        QRect except;
    } cases[] = {
        {"page columns", kPageColumns, kPageWhite, {}},
        {"issue bar", kIssueBar, kIssueBarColour, {}},
        {"tree ground", kTreeGround, kTreeGroundColour, kContentsWord},
        // The tree view reaches into the band of trees; under it the ground stays plain.
        {"tree view", kTreeView, kTreeGroundColour, kContentsWord},
    };
    for (const int scale : kScales) {
        SCOPED_TRACE(AtScale(scale));
        const QImage bg = Background(scale);
        ASSERT_EQ(bg.size(), kBackgroundSize * scale);
        for (const auto& c : cases) {
            EXPECT_EQ(Stray(bg, Scaled(c.area, scale), c.colour, Scaled(c.except, scale)), 0)
                << c.name << " should be all " << Hex(c.colour);
        }
    }
}

TEST(Background, IssueBarEndsAtItsRectangle) {
    for (const int scale : kScales) {
        SCOPED_TRACE(AtScale(scale));
        const QImage bg = Background(scale);
        const QRect ring = Scaled(kIssueBar, scale).adjusted(-1, -1, 1, 1);
        for (int x = ring.left(); x <= ring.right(); ++x) {
            EXPECT_NE(At(bg, x, ring.top()), kIssueBarColour & RGB_MASK) << "above, x " << x;
            EXPECT_NE(At(bg, x, ring.bottom()), kIssueBarColour & RGB_MASK) << "below, x " << x;
        }
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            EXPECT_NE(At(bg, ring.left(), y), kIssueBarColour & RGB_MASK) << "left, y " << y;
            EXPECT_NE(At(bg, ring.right(), y), kIssueBarColour & RGB_MASK) << "right, y " << y;
        }
    }
}

TEST(Background, WordContentsFillsItsBoxInItsColour) {
    for (const int scale : kScales) {
        SCOPED_TRACE(AtScale(scale));
        const QImage bg = Background(scale);
        const QRect box = Scaled(kContentsWord, scale);
        int exact = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                exact += At(bg, x, y) == (kContentsColour & RGB_MASK) ? 1 : 0;
            }
        }
        EXPECT_GT(exact, 40 * scale * scale)
            << "too little of the lettering is in " << Hex(kContentsColour);
        // The lettering reaches every edge of its box: it is neither shifted nor shrunk.
        const auto inked = [&](int x0, int y0, int x1, int y1) {
            return Stray(bg, QRect(QPoint(x0, y0), QPoint(x1, y1)), kTreeGroundColour) > 0;
        };
        EXPECT_TRUE(inked(box.left(), box.top(), box.left(), box.bottom())) << "left edge";
        EXPECT_TRUE(inked(box.right(), box.top(), box.right(), box.bottom())) << "right edge";
        EXPECT_TRUE(inked(box.left(), box.top(), box.right(), box.top())) << "top edge";
        EXPECT_TRUE(inked(box.left(), box.bottom(), box.right(), box.bottom())) << "bottom edge";
    }
}

TEST(Background, SceneAndBandArePaintedScenery) {
    const struct {
        const char* name;
        QRect area;
    } cases[] = {{"winter scene", kSceneArea}, {"band of trees", kCommandBand}};
    for (const int scale : kScales) {
        const QImage bg = Background(scale);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " " + AtScale(scale));
            const QRect area = Scaled(c.area, scale);
            std::set<QRgb> colours;
            long red = 0;
            long blue = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QRgb px = At(bg, x, y);
                    colours.insert(px);
                    red += qRed(px);
                    blue += qBlue(px);
                }
            }
            EXPECT_GT(colours.size(), 400U) << "looks flat, not like a photograph";
            EXPECT_GT(blue, red) << "a winter picture is cool in tone";
        }
    }
}

} // namespace
} // namespace skin
