#include "brand_marks.h"

#include "fonts.h"
#include "text_fit.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace paint {

void PaintTarnwickMark(QPainter& painter, const QRect& button) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body = QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, QColor(0x27, 0x4C, 0x70));
    fill.setColorAt(1.0, QColor(0x0C, 0x1E, 0x31));
    painter.setPen(QPen(QColor(0xE8, 0xF0, 0xF8, 210), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 4.0, 4.0);

    // The mountain: two peaks, the sunlit faces white, the shaded ones pale blue.
    const double l = body.left() + 6.0;
    const double foot = body.top() + 22.0;
    const QPointF peakA(l + 13.0, body.top() + 6.0);
    const QPointF peakB(l + 23.0, body.top() + 10.0);
    const QPointF saddle(l + 18.0, body.top() + 14.0);
    QPainterPath lit;
    lit.moveTo(l, foot);
    lit.lineTo(peakA);
    lit.lineTo(peakA.x() + 2.0, foot);
    lit.closeSubpath();
    lit.moveTo(saddle.x() - 1.0, foot);
    lit.lineTo(peakB);
    lit.lineTo(peakB.x() + 2.0, foot);
    lit.closeSubpath();
    QPainterPath shade;
    shade.moveTo(peakA);
    shade.lineTo(saddle);
    shade.lineTo(peakB);
    shade.lineTo(l + 36.0, foot);
    shade.lineTo(peakA.x() + 2.0, foot);
    shade.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9F, 0xBC, 0xD6));
    painter.drawPath(shade);
    painter.setBrush(QColor(0xF7, 0xFA, 0xFC));
    painter.drawPath(lit);

    // The tarn below it.
    painter.setPen(QPen(QColor(0x7E, 0xC4, 0xE4), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double y = foot + 3.0 + i * 3.0;
        const double x0 = l + 4.0 + i * 4.0;
        const double x1 = l + 32.0 - i * 4.0;
        QPainterPath wave;
        wave.moveTo(x0, y);
        const double step = (x1 - x0) / 4.0;
        for (int k = 0; k < 4; ++k) {
            wave.quadTo(x0 + step * (k + 0.5), y + (k % 2 == 0 ? -1.2 : 1.2), x0 + step * (k + 1),
                        y);
        }
        painter.drawPath(wave);
    }

    const QRectF nameBox(body.left() + 4.0, body.bottom() - 10.0, body.width() - 8.0, 6.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
    painter.drawPath(TextFittedTo(QStringLiteral("TARNWICK"), LatinFont(12, true), nameBox));

    painter.restore();
}

} // namespace paint
