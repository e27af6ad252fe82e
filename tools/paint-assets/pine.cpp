#include "pine.h"

#include <QPainterPath>

namespace paint {

namespace {

QColor Faded(QColor c, float haze) {
    const QColor distance(0xB4, 0xC6, 0xD8);
    return QColor::fromRgbF(distance.redF() + (c.redF() - distance.redF()) * haze,
                            distance.greenF() + (c.greenF() - distance.greenF()) * haze,
                            distance.blueF() + (c.blueF() - distance.blueF()) * haze);
}

} // namespace

void PaintPine(QPainter& painter, QPointF foot, float height, float haze) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const double h = height;
    const double x = foot.x();
    const double base = foot.y();

    painter.setBrush(Faded(QColor(0x3A, 0x2E, 0x28), haze));
    painter.drawRect(QRectF(x - h * 0.03, base - h * 0.14, h * 0.06, h * 0.14));

    constexpr int kTiers = 5;
    const QColor needles = Faded(QColor(0x1B, 0x36, 0x33), haze);
    const QColor litSnow = Faded(QColor(0xF4, 0xF8, 0xFB), haze);
    const QColor shadeSnow = Faded(QColor(0xBD, 0xCF, 0xE0), haze);
    for (int i = 0; i < kTiers; ++i) {
        const double top = base - h + i * h * 0.165;
        const double depth = h * (0.24 + 0.02 * i);
        const double half = h * (0.11 + 0.065 * i);
        const double bottom = top + depth;

        QPainterPath tier;
        tier.moveTo(x, top);
        tier.lineTo(x + half, bottom);
        tier.quadTo(x, bottom - depth * 0.18, x - half, bottom);
        tier.closeSubpath();
        painter.setBrush(needles);
        painter.drawPath(tier);

        // Snow lies on the upper half of each tier, thicker on the sunlit left.
        QPainterPath lit;
        lit.moveTo(x, top);
        lit.lineTo(x - half * 0.86, bottom - depth * 0.12);
        lit.quadTo(x - half * 0.35, bottom - depth * 0.42, x, bottom - depth * 0.38);
        lit.closeSubpath();
        painter.setBrush(litSnow);
        painter.drawPath(lit);

        QPainterPath shade;
        shade.moveTo(x, top + depth * 0.05);
        shade.lineTo(x, bottom - depth * 0.38);
        shade.quadTo(x + half * 0.3, bottom - depth * 0.45, x + half * 0.62, bottom - depth * 0.3);
        shade.closeSubpath();
        painter.setBrush(shadeSnow);
        painter.drawPath(shade);
    }
    painter.restore();
}

} // namespace paint
