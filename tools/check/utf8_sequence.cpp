#include "tools/check/utf8_sequence.h"

namespace check {

std::size_t Utf8SequenceAt(std::string_view text) {
    if (text.empty())
        return 0;
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = b(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || b(1) < low || b(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return length;
}

} // namespace check
