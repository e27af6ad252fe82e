#pragma once

#include "x_client.h"

#include <cstdint>
#include <optional>
#include <ostream>

namespace whole_program {

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

} // namespace whole_program
