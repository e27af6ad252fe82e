#include "content/launch_strip.h"

#include "content/cp932.h"

namespace content {
namespace {

void LayOutRow(std::array<LaunchButtonState, kButtonCount>& buttons, int row) {
    LaunchButtonState& first = buttons[static_cast<std::size_t>(3 * row)];
    LaunchButtonState& second = buttons[static_cast<std::size_t>(3 * row + 1)];
    LaunchButtonState& third = buttons[static_cast<std::size_t>(3 * row + 2)];
    for (int c = 0; c < 3; ++c) {
        LaunchButtonState& b = buttons[static_cast<std::size_t>(3 * row + c)];
        b.width = kButtonWidth;
        b.left = ButtonGridLeft(3 * row + c);
        b.top = ButtonTop(3 * row + c);
    }
    // A lone button in a row, or the outer two with a gap between them, grow to 265 pixels:
    // 143 centres one in the 551-pixel strip, 267 ends one at the third column's right edge.
    const auto widen = [](LaunchButtonState& b, int left) {
        b.width = kWideButtonWidth;
        b.left = left;
    };
    if (first.visible && !second.visible && !third.visible)
        widen(first, 0);
    else if (!first.visible && second.visible && !third.visible)
        widen(second, 143);
    else if (!first.visible && !second.visible && third.visible)
        widen(third, 267);
    else if (first.visible && !second.visible && third.visible) {
        widen(first, 0);
        widen(third, 267);
    }
}

} // namespace

StripFill FillLaunchStrip(const std::optional<ButtonSlots>& slots) {
    StripFill fill;
    if (!slots)
        return fill;
    fill.buttonsChanged = true;
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonSlot& slot = (*slots)[static_cast<std::size_t>(i)];
        LaunchButtonState& button = fill.buttons[static_cast<std::size_t>(i)];
        if (slot.used) {
            button.visible = true;
            button.caption = slot.caption;
            fill.targets[static_cast<std::size_t>(i)] = slot.target;
            fill.height = StripHeightForRow(ButtonRow(i));
        }
    }
    for (int row = 0; row < 4; ++row)
        LayOutRow(fill.buttons, row);
    return fill;
}

std::string LaunchDirectoryPart(const std::string& target) {
    std::size_t cut = 0; // length of the directory part
    for (std::size_t i = 0; i < target.size(); ++i) {
        const auto b = static_cast<unsigned char>(target[i]);
        if (IsCp932LeadByte(b)) {
            ++i; // the trail byte may be 0x5C; it is no separator
            continue;
        }
        if (b == '\\' || b == ':')
            cut = i + 1;
    }
    return target.substr(0, cut);
}

} // namespace content
