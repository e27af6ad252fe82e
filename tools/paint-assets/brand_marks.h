#pragma once

// The artwork of the four web-site buttons, painted into the winter scene exactly where the
// buttons sit, so that each button's glyph can be cut from the background.

#include <QPainter>
#include <QRect>

namespace paint {

enum class ArrowSide { Left, Right };

// The magazine's logo: "Quillore" in white italic, underlined by a red brush stroke.
void PaintQuilloreLogo(QPainter& painter, const QRect& button);

// A small dark "Home Page" tab; its arrow points at the logo it belongs to.
void PaintHomePageTab(QPainter& painter, const QRect& button, ArrowSide arrow);

// The publisher's mark: a mountain tarn over the name TARNWICK.
void PaintTarnwickMark(QPainter& painter, const QRect& button);

} // namespace paint
