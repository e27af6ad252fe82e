#include "key_symbols.h"

#include <QPainterPath>
#include <QPolygonF>

namespace paint {

QSizeF SymbolSize(KeySymbol symbol, double scale) {
    switch (symbol) {
    case KeySymbol::Cross:
        return QSizeF(8.0, 8.0) * scale;
    case KeySymbol::Bar:
        return QSizeF(10.0, 8.0) * scale;
    case KeySymbol::ReturnArrow:
        return QSizeF(18.0, 12.0) * scale;
    }
    return {};
}

void PaintKeySymbol(QPainter& painter, KeySymbol symbol, QPointF centre, double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(scale, scale);
    const QColor ink(0x0A, 0x0A, 0x0A);
    switch (symbol) {
    case KeySymbol::Cross:
        painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(-3.0, -3.0), QPointF(3.0, 3.0));
        painter.drawLine(QPointF(-3.0, 3.0), QPointF(3.0, -3.0));
        break;
    case KeySymbol::Bar:
        // Sits low, where a window's minimise bar sits.
        painter.fillRect(QRectF(-5.0, 2.0, 10.0, 2.0), ink);
        break;
    case KeySymbol::ReturnArrow: {
        QPainterPath hook;
        hook.moveTo(-5.0, -3.0);
        hook.lineTo(3.0, -3.0);
        hook.cubicTo(9.5, -3.0, 9.5, 5.5, 3.0, 5.5);
        hook.lineTo(-2.0, 5.5);
        painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(
            QPolygonF{QPointF(-9.0, -3.0), QPointF(-4.0, -7.5), QPointF(-4.0, 1.5)});
        break;
    }
    }
    painter.restore();
}

} // namespace paint
