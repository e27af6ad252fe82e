#pragma once

#include "content/content_tree.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The look of the contents tree as pure rules, so that they are tested without a window.
namespace tree_paint {

using Rgb = std::uint32_t; // 0xRRGGBB

inline constexpr Rgb kBandColour = 0x000000;
inline constexpr Rgb kHeadingText = 0xFFFFFF;
inline constexpr Rgb kHeadingBackground = 0x557468;
inline constexpr Rgb kItemText = 0x1C5C75;
inline constexpr Rgb kFocusedSelectionText = 0xEFEFEF;
inline constexpr Rgb kTreeBackground = 0xFFFFFF;
inline constexpr Rgb kMarkColour = 0x666666;
inline constexpr int kIndent = 19;
inline constexpr int kMarkSize = 16;

// "読者アンケート" in the disc's bytes: the one entry drawn bold.
inline const std::string kReaderSurvey = "\x93\xC7\x8E\xD2\x83\x41\x83\x93\x83\x50\x81\x5B\x83\x67";

// Height of a row: the font's pixel height plus 2 (14 with the design font).
constexpr int RowStep(int fontPixelHeight) {
    return fontPixelHeight + 2;
}

// The mark before a sub-group: x = 10 * level - 10 from the left of the client area.
constexpr int MarkLeft(int level) {
    return 10 * level - 10;
}

struct ItemLook {
    bool headingFace = false; // "MS P明朝" instead of the tree font
    bool bold = false;
    Rgb text = kItemText;
    Rgb background = kTreeBackground;
};

// The item rule. drawnSelected: the tree draws the item as selected (it does so only while it
// has the focus), so the canvas starts from the selection colours before the rule runs.
ItemLook ItemRule(content::NodeKind kind, std::string_view text, bool drawnSelected,
                  bool selectedAndFocused, Rgb selectionBackground);

struct Op {
    enum class Kind { Band, ExpandedMark, CollapsedMark };
    Kind kind;
    int node;
    int left, top, right, bottom; // right and bottom excluded
    bool operator==(const Op&) const = default;
};

// The pre-paint pass from the top item down: a black band behind each group heading as wide as
// its text in the tree font, the expanded or collapsed mark before each sub-group, nothing for
// entries; every row that is not hidden inside a collapsed node is one row step. The walk steps
// over collapsed branches whole, so it costs the rows drawn, not the size of the tree; it stops
// below `height`, where the paint would clip anyway.
std::vector<Op> PrePaintPass(const content::ContentTree& tree, int topIndex, int height,
                             int rowStep, const std::function<bool(int)>& isExpanded,
                             const std::function<int(int)>& headingTextWidth);

} // namespace tree_paint
