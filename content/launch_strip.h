#pragma once

#include "content/button_file.h"

#include <array>
#include <optional>
#include <string>

namespace content {

// The launch strip under the page view: twelve buttons in four rows of three.
constexpr int kButtonWidth = 176;
constexpr int kWideButtonWidth = 265;
constexpr int kButtonHeight = 24;
constexpr int kStripWidth = 551;

constexpr int ButtonRow(int i) {
    return i / 3;
}
constexpr int ButtonColumn(int i) {
    return i % 3;
}
constexpr int ButtonGridLeft(int i) {
    return 178 * ButtonColumn(i);
}
constexpr int ButtonTop(int i) {
    return 7 + 29 * ButtonRow(i);
}
// The strip is as high as the row of its highest-numbered shown button: 34, 64, 94 or 124.
constexpr int StripHeightForRow(int row) {
    return 34 + 30 * row;
}

struct LaunchButtonState {
    bool visible = false;
    std::string caption; // the file's bytes; also the hint
    int left = 0;
    int top = 0;
    int width = kButtonWidth;
};

// What showing a page does to the strip. Without a button file only the height and the targets
// change: the buttons keep their captions, visibility and geometry, hidden behind a strip of
// height 0 until the next fill sets all twelve anew.
struct StripFill {
    int height = 0;
    bool buttonsChanged = false;
    std::array<LaunchButtonState, kButtonCount> buttons;
    std::array<std::string, kButtonCount> targets;
};

// The fill and the row layout, as one pure function of what the page's button file yielded
// (nullopt: the page has no button file).
StripFill FillLaunchStrip(const std::optional<ButtonSlots>& slots);

// The working directory of a launch: the target's text up to and including its last backslash
// or colon, where a 0x5C that is the second byte of a double-byte character does not count.
// Empty when the target has neither, so the directory is the content directory itself.
std::string LaunchDirectoryPart(const std::string& targetCp932);

} // namespace content
