#include "stone_keys.h"

#include "fonts.h"
#include "key_symbols.h"
#include "skin_layout.h"
#include "stone_texture.h"

#include <QFontMetricsF>
#include <QPainter>

namespace paint {

namespace {

void PaintLabel(QPainter& painter, const QFont& font, QPointF baseline, const QString& text) {
    // Cut into the stone: a pale lip below-right of black lettering.
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 110));
    painter.drawText(baseline + QPointF(1.0, 1.0), text);
    painter.setPen(QColor(0x0A, 0x0A, 0x0A));
    painter.drawText(baseline, text);
}

} // namespace

QImage PaintStoneKey(const KeyFace& face, int scale) {
    const QSize size = skin::GlyphSize(QRect(QPoint(0, 0), face.button));
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(0x30, 0x31, 0x33));
    PaintStoneSlab(image, face.button, face.grain);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = GothicFont(face.stacked ? 14 : 12, true);
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(face.label);
    const double w = face.button.width();
    const double h = face.button.height();

    if (face.stacked) {
        const double scale = 1.2;
        const QSizeF symbol = SymbolSize(face.symbol, scale);
        const double gap = 3.0;
        const double total = symbol.height() + gap + metrics.ascent();
        const double top = (h - total) / 2.0;
        PaintKeySymbol(painter, face.symbol, QPointF(w / 2.0, top + symbol.height() / 2.0), scale);
        PaintLabel(painter, font,
                   QPointF((w - textWidth) / 2.0, top + symbol.height() + gap + metrics.ascent()),
                   face.label);
    } else {
        const QSizeF symbol = SymbolSize(face.symbol, 1.0);
        const double gap = 5.0;
        const double left = (w - (symbol.width() + gap + textWidth)) / 2.0;
        const double baseline = (h + metrics.ascent() - metrics.descent()) / 2.0;
        PaintKeySymbol(painter, face.symbol, QPointF(left + symbol.width() / 2.0, h / 2.0), 1.0);
        PaintLabel(painter, font, QPointF(left + symbol.width() + gap, baseline), face.label);
    }
    return image;
}

} // namespace paint
