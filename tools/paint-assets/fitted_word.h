#pragma once

// Hinted lettering set into an exact box (the word CONTENTS): the face is narrowed until the
// word's ink fits the box's width, so stems and bars stay on whole pixels and keep the pure
// lettering colour, unlike an outline stretched to fit.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace paint {

// Paints `text` in `colour` so that its ink starts at `box`'s top-left corner; if no
// narrowing makes it fit, the ink is scaled into the box.
void PaintFittedWord(QImage& canvas, const QRect& box, const QString& text, QFont font,
                     const QColor& colour);

} // namespace paint
