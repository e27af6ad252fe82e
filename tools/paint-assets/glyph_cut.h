#pragma once

// Turning artwork into button glyphs. A picture button shows the colour of its glyph's
// bottom-left pixel as transparent; our glyphs put pure red there and must have it nowhere
// else, or those pixels would vanish from the button.

#include <QImage>
#include <QRect>

namespace paint {

// Replaces every pure red pixel of a 32-bit image with the nearest red that is not the key
// colour.
void KeepKeyColourOut(QImage& image);

// The part of the background that a button of `button`'s rectangle covers, from its top-left
// corner, one pixel wider and taller than the button; at the background's scale.
QImage CutGlyph(const QImage& background, const QRect& button);

// Sets the bottom-left pixel of the design to the key colour: at 2x the bottom-left 2 x 2 block.
void SetTransparentCorner(QImage& glyph);

} // namespace paint
