#include "fitted_word.h"

#include "device_grid.h"

#include <QPainter>

namespace paint {

namespace {

// The word rendered on a transparent scratch image at `scale`, cropped to its ink.
QImage Ink(const QString& text, const QFont& font, const QColor& colour, int scale) {
    const QFontMetrics metrics(font);
    QImage scratch(QSize(metrics.horizontalAdvance(text) + 8, metrics.height() + 8) * scale,
                   QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(scale);
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(4, 4 + metrics.ascent(), text);
    }
    QRect ink;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (qAlpha(scratch.pixel(x, y)) != 0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    QImage cropped = scratch.copy(ink);
    cropped.setDevicePixelRatio(scale);
    return cropped;
}

} // namespace

void PaintFittedWord(QImage& canvas, const QRect& box, const QString& text, QFont font,
                     const QColor& colour) {
    const int scale = ScaleOf(canvas);
    const QSize target = box.size() * scale;
    QImage ink = Ink(text, font, colour, scale);
    for (int stretch = 100; ink.width() > target.width() && stretch > 60; stretch -= 2) {
        font.setStretch(stretch);
        ink = Ink(text, font, colour, scale);
    }
    QPainter painter(&canvas);
    if (ink.size() == target) {
        painter.drawImage(box.topLeft(), ink);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(box), ink);
    }
}

} // namespace paint
