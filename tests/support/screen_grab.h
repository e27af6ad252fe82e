#pragma once

#include "x_client.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

namespace testkit {

struct Rgb final {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour); // #RRGGBB

// The colour the screen shows at a point, as a grab of the root window sees it: what a reader
// would see, whichever window drew it.
std::optional<Rgb> PixelAt(const XClient& client, int x, int y);

// A rectangle of the screen in one grab, row by row from its top-left corner.
struct ScreenArea final {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const ScreenArea&) const = default;
};
std::optional<ScreenArea> AreaAt(const XClient& client, int x, int y, int width, int height);

} // namespace testkit
