#include "ui/picture_button.h"

#include <QPainter>

TPictureButton::TPictureButton(QWidget* parent) : TSkinButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void TPictureButton::SetGlyph(const QImage& glyph) {
    m_glyph = glyph.convertToFormat(QImage::Format_ARGB32);
    m_glyph.setDevicePixelRatio(glyph.devicePixelRatio());
    if (!m_glyph.isNull()) {
        const QRgb transparent = m_glyph.pixel(0, m_glyph.height() - 1);
        for (int y = 0; y < m_glyph.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_glyph.scanLine(y));
            for (int x = 0; x < m_glyph.width(); ++x)
                if (line[x] == transparent)
                    line[x] = qRgba(0, 0, 0, 0);
        }
    }
    update();
}

void TPictureButton::SetHint(const QString& hint) {
    setToolTip(hint);
    setAccessibleName(hint);
}

QPoint TPictureButton::GlyphOrigin(QSize button, QSize glyph, bool pressed) {
    // Integer halves truncate towards zero, so a glyph one pixel larger starts at 0, 0.
    QPoint origin((button.width() - glyph.width()) / 2, (button.height() - glyph.height()) / 2);
    if (pressed)
        origin += QPoint(1, 1);
    return origin;
}

void TPictureButton::PaintFace(QPainter& painter) {
    const QSize design = m_glyph.deviceIndependentSize().toSize();
    const QPoint origin = GlyphOrigin(size(), design, LooksHeld());
    if (qFuzzyCompare(m_glyph.devicePixelRatio(), devicePixelRatioF())) {
        painter.drawImage(origin, m_glyph); // pixel for pixel
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(origin, design), m_glyph);
    }
}
