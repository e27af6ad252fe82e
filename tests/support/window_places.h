#pragma once

// Places in the main window that a whole-program test points at, in the window's coordinates,
// from the layout's own constants: the skin's rectangles, the launch strip's grid and the tree's
// row step. A change of the layout moves them with the controls.

#include "assets/skin_layout.h"
#include "content/launch_strip.h"
#include "ui/tree_paint_rules.h"

#include <QPoint>

namespace testkit::places {

// The tree's rows are as high as the design font's 12 pixels allow.
inline constexpr int kTreeRowStep = tree_paint::RowStep(12);

// A point on a row of the contents tree, counted from its first row shown.
constexpr QPoint TreeRow(int row) {
    return {skin::kTreeView.left() + skin::kTreeView.width() / 3,
            skin::kTreeView.top() + kTreeRowStep * row + kTreeRowStep / 2};
}

// A point in the page view whatever the strip below it holds.
inline constexpr QPoint kPage = skin::kPageArea.center();

// The top of a launch strip of `rows` rows.
constexpr int StripTop(int rows) {
    return skin::kPageArea.bottom() + 1 - content::StripHeightForRow(rows - 1);
}
// A point in the black band along the top of such a strip, above its buttons.
constexpr QPoint StripBand(int rows) {
    return {skin::kPageArea.left() + content::kButtonWidth / 2,
            StripTop(rows) + content::ButtonTop(0) / 2};
}
// A point on launch button i in such a strip, whether it is drawn narrow or wide.
constexpr QPoint LaunchButton(int i, int rows) {
    return {skin::kPageArea.left() + content::ButtonGridLeft(i) + content::kButtonWidth / 2,
            StripTop(rows) + content::ButtonTop(i) + content::kButtonHeight / 2};
}

// The middle of one of the skin's picture buttons (Back, Quit, ...).
constexpr QPoint Button(skin::Glyph glyph) {
    return skin::RuleFor(glyph).button.center();
}

} // namespace testkit::places
