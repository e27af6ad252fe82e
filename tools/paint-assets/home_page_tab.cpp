#include "brand_marks.h"

#include "fonts.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace paint {

void PaintHomePageTab(QPainter& painter, const QRect& button, ArrowSide arrow) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body = QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, QColor(0x2F, 0x50, 0x78, 235));
    fill.setColorAt(1.0, QColor(0x10, 0x24, 0x3D, 240));
    painter.setPen(QPen(QColor(0xE8, 0xF0, 0xF8, 210), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 3.5, 3.5);

    const double cy = body.center().y();
    const bool left = arrow == ArrowSide::Left;
    const double tip = left ? body.left() + 4.0 : body.right() - 4.0;
    const double back = left ? tip + 5.5 : tip - 5.5;
    const QPolygonF head{QPointF(tip, cy), QPointF(back, cy - 4.0), QPointF(back, cy + 4.0)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF4, 0xC4, 0x52));
    painter.drawPolygon(head);

    const QRectF label =
        left ? body.adjusted(12.0, 0.0, -2.0, 0.0) : body.adjusted(2.0, 0.0, -12.0, 0.0);
    painter.setFont(LatinFont(10, true));
    painter.setPen(QColor(0xFF, 0xFF, 0xFF));
    painter.drawText(label, Qt::AlignCenter, QStringLiteral("Home Page"));

    painter.restore();
}

} // namespace paint
