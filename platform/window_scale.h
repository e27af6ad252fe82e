#pragma once

// The scale the 800 x 600 window is drawn at. Qt multiplies two factors into the device pixel
// ratio: the screen's (from the desktop's Xft.dpi, QT_FONT_DPI or QT_SCREEN_SCALE_FACTORS,
// rounded by QT_SCALE_FACTOR_ROUNDING_POLICY) and the global QT_SCALE_FACTOR. When their
// product would make the window larger than the screen, the window is drawn at the largest scale
// at which it fits instead; the program refuses to start only when even 100 % does not fit.
// Plain C++: the inputs are the texts the process finds before the application object exists.

#include <optional>
#include <string>

namespace platform {

// The window's size in the design's pixels.
inline constexpr int kDesignWidth = 800;
inline constexpr int kDesignHeight = 600;

struct ScaleSettings {
    // The primary screen in device pixels, and its name as Qt gives it (the RandR monitor's).
    int screenWidth = 0;
    int screenHeight = 0;
    std::string screenName;
    // The root window's RESOURCE_MANAGER text (the desktop's Xft.dpi lives there).
    std::optional<std::string> xResources;
    // The environment, each nullopt when unset.
    std::optional<std::string> fontDpi;        // QT_FONT_DPI
    std::optional<std::string> enableHighDpi;  // QT_ENABLE_HIGHDPI_SCALING
    std::optional<std::string> screenFactors;  // QT_SCREEN_SCALE_FACTORS
    std::optional<std::string> roundingPolicy; // QT_SCALE_FACTOR_ROUNDING_POLICY
    std::optional<std::string> scaleFactor;    // QT_SCALE_FACTOR
};

struct ScaleChoice {
    // False when the screen is smaller than 800 x 600 device pixels: the screen-size message.
    bool fits = false;
    // Device pixels per design pixel, as the window will be drawn.
    double scale = 1.0;
    // The QT_SCALE_FACTOR to put into the environment before the application object exists;
    // nullopt leaves the environment as it is.
    std::optional<std::string> scaleFactor;
};

ScaleChoice ChooseWindowScale(const ScaleSettings& settings);

} // namespace platform
