#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace skin {
namespace {

using testing::LoadSkin;

TEST(TreeMarks, OpaquePixelsAreExactlyTheMarksList) {
    const struct {
        const char* name;
        QString path;
        const MarkPixels& pixels;
    } cases[] = {
        {"expanded", ExpandedMarkPath(), kExpandedMark},
        {"collapsed", CollapsedMarkPath(), kCollapsedMark},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::set<std::pair<int, int>> expected;
        for (const QPoint& p : c.pixels) {
            EXPECT_TRUE(QRect(QPoint(0, 0), kMarkSize).contains(p));
            expected.insert({p.x(), p.y()});
        }
        EXPECT_EQ(expected.size(), 15U) << "the list repeats a pixel";

        const QImage mark = LoadSkin(c.path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(mark.isNull());
        std::set<std::pair<int, int>> opaque;
        for (int y = 0; y < mark.height(); ++y) {
            for (int x = 0; x < mark.width(); ++x) {
                const QRgb px = mark.pixel(x, y);
                if (qAlpha(px) == 0) {
                    continue;
                }
                opaque.insert({x, y});
                EXPECT_EQ(px, qRgba(0x66, 0x66, 0x66, 255)) << "at " << x << "," << y;
            }
        }
        EXPECT_EQ(opaque, expected);
    }
}

} // namespace
} // namespace skin
