#include "platform/window_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::ChooseWindowScale;
using platform::ScaleSettings;
using Environment = std::vector<std::pair<std::string, std::string>>;

// The settings of a screen (named "screen", as Xvfb's) whose root window says `xResources` (none:
// nullptr), with the environment's variables as a user would set them.
ScaleSettings Settings(int width, int height, const char* xResources, const Environment& env) {
    ScaleSettings settings;
    settings.screenWidth = width;
    settings.screenHeight = height;
    settings.screenName = "screen";
    if (xResources != nullptr)
        settings.xResources = xResources;
    for (const auto& [name, value] : env) {
        std::optional<std::string>* variable =
            name == "QT_FONT_DPI"                       ? &settings.fontDpi
            : name == "QT_ENABLE_HIGHDPI_SCALING"       ? &settings.enableHighDpi
            : name == "QT_SCREEN_SCALE_FACTORS"         ? &settings.screenFactors
            : name == "QT_SCALE_FACTOR_ROUNDING_POLICY" ? &settings.roundingPolicy
                                                        : &settings.scaleFactor;
        *variable = value;
    }
    return settings;
}

constexpr const char* kXft144 = "Xcursor.size:\t24\nXft.dpi:\t144\nXft.antialias:\t1\n";
constexpr const char* kXft192 = "Xcursor.size:\t24\nXft.dpi:\t192\nXft.antialias:\t1\n";

// Each case: the screen and what Qt would read, the scale the window is drawn at (0: refused),
// and the screen factor Qt computes on its own, by which a QT_SCALE_FACTOR the choice writes is
// multiplied (0: QT_SCALE_FACTOR must be left alone).
struct Case {
    const char* what;
    int width;
    int height;
    const char* xResources;
    Environment env;
    double scale;
    double screenFactor;
};

TEST(WindowScale, LargestScaleThatFitsWithinWhatTheDesktopAsks) {
    const Case cases[] = {
        {"100 %", 1024, 768, nullptr, {}, 1.0, 0},
        {"exactly 800x600", 800, 600, nullptr, {}, 1.0, 0},
        {"too narrow", 799, 600, nullptr, {}, 0, 0},
        {"too low", 800, 599, nullptr, {}, 0, 0},
        {"too low even at 50 %", 900, 599, nullptr, {{"QT_SCALE_FACTOR", "0.5"}}, 0, 0},
        // 200 % on 1920x1080: as large as the height allows.
        {"QT_SCALE_FACTOR 2", 1920, 1080, nullptr, {{"QT_SCALE_FACTOR", "2"}}, 1.8, 1.0},
        {"Xft.dpi 192", 1920, 1080, kXft192, {}, 1.8, 2.0},
        {"Xft.dpi 192, room for 200 %", 2560, 1600, kXft192, {}, 2.0, 0},
        {"exactly the screen", 1600, 1200, nullptr, {{"QT_SCALE_FACTOR", " 2.0 "}}, 2.0, 0},
        {"144 rounded up",
         1920,
         1080,
         kXft144,
         {{"QT_SCALE_FACTOR_ROUNDING_POLICY", "round"}},
         1.8,
         2.0},
        {"144 rounded down below .75",
         1920,
         1080,
         kXft144,
         {{"QT_SCALE_FACTOR_ROUNDING_POLICY", "RoundPreferFloor"}},
         1.0,
         0},
        {"144 passed through, fitted", 1280, 800, kXft144, {}, 800.0 / 600, 1.5},
        {"a fraction of a dot is rounded", 2560, 1600, "Xft.dpi:\t172.8\n", {}, 173.0 / 96, 0},
        {"below 96 never shrinks", 1024, 768, "Xft.dpi:\t72\n", {}, 1.0, 0},
        {"not Qt's resource with a space", 1920, 1080, "Xft.dpi: 192\n", {}, 1.0, 0},
        {"the last Xft.dpi counts",
         2560,
         1600,
         "Xft.dpi:\t96\nXft.dpi:\t192\nXft.dpi:\tx\n",
         {},
         2.0,
         0},
        {"QT_FONT_DPI first", 2560, 1600, "Xft.dpi:\t96\n", {{"QT_FONT_DPI", "192"}}, 2.0, 0},
        {"scaling off", 1920, 1080, kXft192, {{"QT_ENABLE_HIGHDPI_SCALING", "0"}}, 1.0, 0},
        // QT_SCREEN_SCALE_FACTORS replaces the factor from the DPI, unrounded; entries that are
        // no number are dropped before the order counts.
        {"screen factors by order",
         1920,
         1080,
         kXft192,
         {{"QT_SCREEN_SCALE_FACTORS", "nonsense;3;1"},
          {"QT_SCALE_FACTOR_ROUNDING_POLICY", "Round"}},
         1.8,
         3.0},
        {"screen factors by name",
         1920,
         1080,
         nullptr,
         {{"QT_ENABLE_HIGHDPI_SCALING", "0"}, {"QT_SCREEN_SCALE_FACTORS", "HDMI-1=3;screen=1.25"}},
         1.25,
         0},
        {"QT_SCALE_FACTOR times Xft.dpi",
         1920,
         1080,
         kXft192,
         {{"QT_SCALE_FACTOR", "1.5"}},
         1.8,
         2.0},
        {"below 1 is the reader's choice",
         1024,
         768,
         nullptr,
         {{"QT_SCALE_FACTOR", "0.5"}},
         0.5,
         0},
        {"unreadable, as Qt ignores it", 1024, 768, nullptr, {{"QT_SCALE_FACTOR", "1,5"}}, 1.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const platform::ScaleChoice choice =
            ChooseWindowScale(Settings(c.width, c.height, c.xResources, c.env));
        EXPECT_EQ(choice.fits, c.scale > 0);
        if (!choice.fits)
            continue;
        EXPECT_NEAR(choice.scale, c.scale, 1e-12);
        EXPECT_EQ(choice.scaleFactor.has_value(), c.screenFactor > 0);
        if (choice.scaleFactor) {
            EXPECT_NEAR(std::stod(*choice.scaleFactor) * c.screenFactor, c.scale, 1e-12)
                << *choice.scaleFactor;
        }
        // Sized as Qt sizes it, the window lies wholly on the screen.
        EXPECT_LE(std::lround(800 * choice.scale), c.width);
        EXPECT_LE(std::lround(600 * choice.scale), c.height);
    }
}

// Qt 6.4 takes a QT_SCALE_FACTOR of zero or below as it stands and draws nothing usable; the
// program puts 100 % in its place.
TEST(WindowScale, ScaleFactorOfZeroOrBelowIsReplaced) {
    for (const char* factor : {"0", "-1", "-2.5"}) {
        SCOPED_TRACE(factor);
        const platform::ScaleChoice choice =
            ChooseWindowScale(Settings(1024, 768, nullptr, {{"QT_SCALE_FACTOR", factor}}));
        EXPECT_TRUE(choice.fits);
        EXPECT_EQ(choice.scale, 1.0);
        EXPECT_EQ(choice.scaleFactor, "1");
    }
}

} // namespace
