#include "platform/window_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using platform::ChooseWindowScale;
using platform::ScaleSettings;

std::string Xft(const char* dpi) {
    return std::string("Xcursor.size:\t24\nXft.dpi:\t") + dpi + "\nXft.antialias:\t1\n";
}

// Each case: the screen and what Qt would read, the scale the window is drawn at (0: refused),
// and the screen factor Qt computes on its own, by which a QT_SCALE_FACTOR the choice writes is
// multiplied (0: the choice must leave QT_SCALE_FACTOR alone).
struct Case {
    const char* what;
    ScaleSettings settings;
    double scale;
    double screenFactor;
};

ScaleSettings Screen(int width, int height) {
    ScaleSettings settings;
    settings.screenWidth = width;
    settings.screenHeight = height;
    settings.screenName = "screen";
    return settings;
}

template <typename Change> ScaleSettings With(ScaleSettings settings, Change change) {
    change(settings);
    return settings;
}

TEST(WindowScale, LargestScaleThatFitsWithinWhatTheDesktopAsks) {
    const Case cases[] = {
        {"100 %, larger screen", Screen(1024, 768), 1.0, 0},
        {"100 %, exactly 800x600", Screen(800, 600), 1.0, 0},
        {"too narrow", Screen(799, 600), 0, 0},
        {"too low", Screen(800, 599), 0, 0},
        {"too low even at 50 %", With(Screen(900, 599), [](auto& s) { s.scaleFactor = "0.5"; }), 0,
         0},
        {"QT_SCALE_FACTOR 2 on 1920x1080: as large as the height allows",
         With(Screen(1920, 1080), [](auto& s) { s.scaleFactor = "2"; }), 1.8, 1.0},
        {"Xft.dpi 192 on 1920x1080",
         With(Screen(1920, 1080), [](auto& s) { s.xResources = Xft("192"); }), 1.8, 2.0},
        {"Xft.dpi 192 on 2560x1600: fits at 200 %",
         With(Screen(2560, 1600), [](auto& s) { s.xResources = Xft("192"); }), 2.0, 0},
        {"QT_SCALE_FACTOR 2 on 1600x1200: exactly the screen",
         With(Screen(1600, 1200), [](auto& s) { s.scaleFactor = " 2.0 "; }), 2.0, 0},
        {"Xft.dpi 144 rounded up, then fitted",
         With(Screen(1920, 1080),
              [](auto& s) {
                  s.xResources = Xft("144");
                  s.roundingPolicy = "round";
              }),
         1.8, 2.0},
        {"Xft.dpi 144 rounded down from below .75",
         With(Screen(1920, 1080),
              [](auto& s) {
                  s.xResources = Xft("144");
                  s.roundingPolicy = "RoundPreferFloor";
              }),
         1.0, 0},
        {"Xft.dpi 144 passed through on 1280x800: a fractional fit",
         With(Screen(1280, 800), [](auto& s) { s.xResources = Xft("144"); }), 800.0 / 600, 1.5},
        {"Xft.dpi with a fraction is rounded to whole dots",
         With(Screen(2560, 1600), [](auto& s) { s.xResources = Xft("172.8"); }), 173.0 / 96, 0},
        {"Xft.dpi below 96 never shrinks the screen",
         With(Screen(1024, 768), [](auto& s) { s.xResources = Xft("72"); }), 1.0, 0},
        {"Xft.dpi written with a space is not Qt's resource",
         With(Screen(1920, 1080), [](auto& s) { s.xResources = "Xft.dpi: 192\n"; }), 1.0, 0},
        {"the last Xft.dpi counts",
         With(Screen(2560, 1600),
              [](auto& s) { s.xResources = "Xft.dpi:\t96\n" + Xft("192") + "Xft.dpi:\tx\n"; }),
         2.0, 0},
        {"QT_FONT_DPI before Xft.dpi",
         With(Screen(2560, 1600),
              [](auto& s) {
                  s.xResources = Xft("96");
                  s.fontDpi = "192";
              }),
         2.0, 0},
        {"QT_ENABLE_HIGHDPI_SCALING 0 ignores the DPI",
         With(Screen(1920, 1080),
              [](auto& s) {
                  s.xResources = Xft("192");
                  s.enableHighDpi = "0";
              }),
         1.0, 0},
        {"QT_SCREEN_SCALE_FACTORS by order replaces the DPI, unrounded",
         With(Screen(1920, 1080),
              [](auto& s) {
                  s.xResources = Xft("192");
                  s.screenFactors = "nonsense;3;1";
                  s.roundingPolicy = "Round";
              }),
         1.8, 3.0},
        {"QT_SCREEN_SCALE_FACTORS by name, even with scaling off",
         With(Screen(1920, 1080),
              [](auto& s) {
                  s.screenFactors = "HDMI-1=3;screen=1.25";
                  s.enableHighDpi = "0";
              }),
         1.25, 0},
        {"QT_SCALE_FACTOR times the screen factor",
         With(Screen(1920, 1080),
              [](auto& s) {
                  s.xResources = Xft("192");
                  s.scaleFactor = "1.5";
              }),
         1.8, 2.0},
        {"QT_SCALE_FACTOR below 1 is the reader's to choose",
         With(Screen(1024, 768), [](auto& s) { s.scaleFactor = "0.5"; }), 0.5, 0},
        {"QT_SCALE_FACTOR Qt cannot read is ignored, as Qt ignores it",
         With(Screen(1024, 768), [](auto& s) { s.scaleFactor = "1,5"; }), 1.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const platform::ScaleChoice choice = ChooseWindowScale(c.settings);
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
        EXPECT_LE(std::lround(800 * choice.scale), c.settings.screenWidth);
        EXPECT_LE(std::lround(600 * choice.scale), c.settings.screenHeight);
    }
}

// Qt 6.4 takes a QT_SCALE_FACTOR of zero or below as it stands and draws nothing usable; the
// program puts 100 % in its place.
TEST(WindowScale, ScaleFactorOfZeroOrBelowIsReplaced) {
    for (const char* factor : {"0", "-1", "-2.5"}) {
        SCOPED_TRACE(factor);
        ScaleSettings settings = Screen(1024, 768);
        settings.scaleFactor = factor;
        const platform::ScaleChoice choice = ChooseWindowScale(settings);
        EXPECT_TRUE(choice.fits);
        EXPECT_EQ(choice.scale, 1.0);
        EXPECT_EQ(choice.scaleFactor, "1");
    }
}

} // namespace
