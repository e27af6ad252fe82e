#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace skin {
namespace {

using testing::AtScale;
using testing::LoadSkin;

using MarkArt = std::array<std::string_view, 16>;

// The two marks as the contents tree must show them, written out here on their own, so that a
// fault in the list the painter draws from shows: '#' is a grey pixel, '.' a transparent one.
constexpr MarkArt kExpandedArt{
    "................", "................", "........#.......", "........#.......",
    "........#.......", "........#.......", "........#.......", "........#.......",
    "........#.......", "........#.......", "......#.#.#.....", ".......###......",
    "........#.......", "................", "................", "................",
};
constexpr MarkArt kCollapsedArt{
    "................", "................", "................", "................",
    "................", "..........#.....", "...........#....", "..###########...",
    "...........#....", "..........#.....", "................", "................",
    "................", "................", "................", "................",
};

// At 2x each pixel of the design is a 2 x 2 block of the same kind.
TEST(TreeMarks, GreyPixelsOnTransparentGroundExactlyAsDrawnAtEachScale) {
    const struct {
        const char* file;
        const MarkArt& art;
    } cases[] = {{kExpandedMarkFile, kExpandedArt}, {kCollapsedMarkFile, kCollapsedArt}};
    for (const int scale : kScales) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.file) + " " + AtScale(scale));
            const QImage mark = LoadSkin(c.file, scale, QImage::Format_ARGB32);
            ASSERT_EQ(mark.size(), QSize(16, 16) * scale);
            int wrong = 0;
            for (int y = 0; y < mark.height(); ++y) {
                for (int x = 0; x < mark.width(); ++x) {
                    const bool grey = c.art[static_cast<std::size_t>(y / scale)]
                                           [static_cast<std::size_t>(x / scale)] == '#';
                    const QRgb expected = grey ? qRgba(0x66, 0x66, 0x66, 255) : qRgba(0, 0, 0, 0);
                    const QRgb px = mark.pixel(x, y);
                    const bool right = grey ? px == expected : qAlpha(px) == 0;
                    if (!right && wrong++ < 5) {
                        ADD_FAILURE() << "at " << x << "," << y
                                      << (grey ? ": not grey" : ": not transparent");
                    }
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

} // namespace
} // namespace skin
