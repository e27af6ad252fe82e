#include "tree_marks.h"

namespace paint {

QImage PaintTreeMark(const skin::MarkPixels& pixels, int scale) {
    QImage mark(skin::kMarkSize * scale, QImage::Format_ARGB32);
    mark.setDevicePixelRatio(scale);
    mark.fill(Qt::transparent);
    for (const QPoint& p : pixels) {
        for (int dy = 0; dy < scale; ++dy) {
            for (int dx = 0; dx < scale; ++dx) {
                mark.setPixel(p * scale + QPoint(dx, dy), skin::kMarkColour);
            }
        }
    }
    return mark;
}

} // namespace paint
