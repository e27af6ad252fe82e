#include "tree_marks.h"

namespace paint {

QImage PaintTreeMark(const skin::MarkPixels& pixels) {
    QImage mark(skin::kMarkSize, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    for (const QPoint& p : pixels) {
        mark.setPixel(p, skin::kMarkColour);
    }
    return mark;
}

} // namespace paint
