#include "brand_marks.h"

#include "fonts.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace paint {

namespace {

// Darker than the icon's stroke would look on the sky; never pure red, which the glyphs
// reserve for their transparent corner.
const QColor kStrokeRed(0xC9, 0x22, 0x2A);
const QColor kInkNavy(0x14, 0x27, 0x42);

QPainterPath BrushStroke(const QRectF& span) {
    // Thin at both ends, full in the middle, with a slight upward sweep to the right.
    QPainterPath stroke;
    const double l = span.left();
    const double r = span.right();
    const double t = span.top();
    const double b = span.bottom();
    const double w = span.width();
    stroke.moveTo(l, b - 1.0);
    stroke.cubicTo(l + w * 0.3, t + 1.5, l + w * 0.7, t - 0.5, r, t);
    stroke.cubicTo(l + w * 0.72, t + 2.6, l + w * 0.32, b + 0.6, l, b - 1.0);
    stroke.closeSubpath();
    return stroke;
}

} // namespace

void PaintQuilloreLogo(QPainter& painter, const QRect& button) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath word;
    word.addText(0.0, 0.0, LatinFont(30, true, true), QStringLiteral("Quillore"));
    const QRectF ink = word.boundingRect();
    word.translate(button.left() + 4.0 - ink.left(), button.top() + 5.0 - ink.top());
    const QRectF placed = word.boundingRect();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 18, 36, 80));
    painter.drawPath(word.translated(1.5, 2.0));
    painter.setPen(QPen(kInkNavy, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(word);
    QLinearGradient snow(placed.topLeft(), placed.bottomLeft());
    snow.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    snow.setColorAt(1.0, QColor(0xD8, 0xE6, 0xF2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(snow);
    painter.drawPath(word);

    const QRectF strokeSpan(placed.left() + 2.0, placed.bottom() + 1.0, 108.0, 6.0);
    const QPainterPath stroke = BrushStroke(strokeSpan);
    painter.setPen(QPen(QColor(0x4A, 0x0C, 0x12, 160), 0.8));
    painter.setBrush(kStrokeRed);
    painter.drawPath(stroke);

    QFont tagFont = LatinFont(8, true);
    tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    const QString tag = QStringLiteral("CD-ROM MAGAZINE");
    const QFontMetricsF metrics(tagFont);
    const double tagRight = strokeSpan.right();
    const QPointF baseline(tagRight - metrics.horizontalAdvance(tag) + 1.4,
                           strokeSpan.bottom() + 9.0);
    painter.setFont(tagFont);
    painter.setPen(QColor(8, 18, 36, 150));
    painter.drawText(baseline + QPointF(1.0, 1.0), tag);
    painter.setPen(QColor(0xFF, 0xFF, 0xFF));
    painter.drawText(baseline, tag);

    painter.restore();
}

} // namespace paint
