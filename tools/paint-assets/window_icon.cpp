#include "window_icon.h"

#include "fonts.h"
#include "skin_layout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace paint {

QImage PaintWindowIcon(int scale) {
    QImage icon(skin::kIconSize * scale, QImage::Format_ARGB32_Premultiplied);
    icon.setDevicePixelRatio(scale);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(0.5, 0.5, skin::kIconSize.width() - 1.0, skin::kIconSize.height() - 1.0);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0.0, QColor(0x4A, 0x5D, 0x74));
    fill.setColorAt(1.0, QColor(0x22, 0x2C, 0x3A));
    painter.setPen(QPen(QColor(0x14, 0x1B, 0x25), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, 5.0, 5.0);

    // The letter at its natural italic shape, centred a little high to leave room for the
    // stroke beneath its tail.
    QPainterPath letter;
    letter.addText(0.0, 0.0, LatinFont(26, true, true), QStringLiteral("Q"));
    // Leaned further than the face's own oblique, which hardly shows at this size.
    letter = QTransform().shear(-0.18, 0.0).map(letter);
    const QRectF ink = letter.boundingRect();
    letter.translate(tile.center().x() - ink.center().x() - 0.5,
                     tile.center().y() - ink.center().y() - 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
    painter.drawPath(letter);

    // The red stroke sweeps through the Q's tail towards the bottom-right corner.
    QPainterPath stroke;
    stroke.moveTo(13.0, 22.0);
    stroke.cubicTo(18.0, 21.0, 24.0, 24.0, 29.0, 29.0);
    stroke.cubicTo(23.0, 27.0, 18.0, 25.5, 13.0, 22.0);
    stroke.closeSubpath();
    painter.setPen(QPen(QColor(0xD6, 0x28, 0x30), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(0xD6, 0x28, 0x30));
    painter.drawPath(stroke);
    painter.end();
    QImage straight = icon.convertToFormat(QImage::Format_ARGB32);
    straight.setDevicePixelRatio(scale);
    return straight;
}

} // namespace paint
