#include "screen_grab.h"

#include <bit>
#include <cstdlib>
#include <iomanip>

namespace testkit {
namespace {

const xcb_visualtype_t* RootVisual(const xcb_screen_t& screen) {
    for (auto depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem != 0;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem != 0;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == screen.root_visual) {
                return visuals.data;
            }
        }
    }
    return nullptr;
}

uint8_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    const uint32_t maximum = mask >> std::countr_zero(mask);
    return static_cast<uint8_t>(value * 255u / maximum);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    const auto flags = out.flags();
    const auto fill = out.fill();
    out << '#' << std::hex << std::uppercase << std::setfill('0') << std::setw(2) << int{colour.red}
        << std::setw(2) << int{colour.green} << std::setw(2) << int{colour.blue};
    out.flags(flags);
    out.fill(fill);
    return out;
}

std::optional<Rgb> PixelAt(const XClient& client, int x, int y) {
    const xcb_visualtype_t* visual = RootVisual(client.screen());
    if (visual == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = client.connection();
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, client.root(), static_cast<int16_t>(x),
                      static_cast<int16_t>(y), 1, 1, ~0u),
        nullptr);
    std::optional<Rgb> colour;
    if (reply != nullptr && xcb_get_image_data_length(reply) >= 3) {
        // Depth 24 comes as 32 bits a pixel; the server's byte order says how to read them.
        const uint8_t* bytes = xcb_get_image_data(reply);
        const int length = xcb_get_image_data_length(reply) >= 4 ? 4 : 3;
        uint32_t pixel = 0;
        const bool lsbFirst =
            xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
        for (int i = 0; i < length; ++i) {
            const int shift = lsbFirst ? 8 * i : 8 * (length - 1 - i);
            pixel |= static_cast<uint32_t>(bytes[i]) << shift;
        }
        colour = Rgb{Channel(pixel, visual->red_mask), Channel(pixel, visual->green_mask),
                     Channel(pixel, visual->blue_mask)};
    }
    std::free(reply);
    return colour;
}

std::optional<ScreenArea> AreaAt(const XClient& client, int x, int y, int width, int height) {
    const xcb_visualtype_t* visual = RootVisual(client.screen());
    if (visual == nullptr || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    xcb_connection_t* connection = client.connection();
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, client.root(), static_cast<int16_t>(x),
                      static_cast<int16_t>(y), static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), ~0u),
        nullptr);
    std::optional<ScreenArea> area;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    // Depth 24 comes as 32 bits a pixel, rows without padding at that size.
    if (reply != nullptr && static_cast<size_t>(xcb_get_image_data_length(reply)) == 4 * count) {
        const uint8_t* bytes = xcb_get_image_data(reply);
        const bool lsbFirst =
            xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
        area = ScreenArea{width, height, {}};
        area->pixels.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            uint32_t pixel = 0;
            for (int b = 0; b < 4; ++b) {
                const int shift = lsbFirst ? 8 * b : 8 * (3 - b);
                pixel |= static_cast<uint32_t>(bytes[4 * i + static_cast<size_t>(b)]) << shift;
            }
            area->pixels.push_back(Rgb{Channel(pixel, visual->red_mask),
                                       Channel(pixel, visual->green_mask),
                                       Channel(pixel, visual->blue_mask)});
        }
    }
    std::free(reply);
    return area;
}

} // namespace testkit
