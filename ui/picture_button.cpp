#include "ui/picture_button.h"

#include "ui/focus_frame.h"

#include <QKeyEvent>
#include <QPainter>

TPictureButton::TPictureButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
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

void TPictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSize design = m_glyph.deviceIndependentSize().toSize();
    const QPoint origin = GlyphOrigin(size(), design, isDown());
    if (qFuzzyCompare(m_glyph.devicePixelRatio(), devicePixelRatioF())) {
        painter.drawImage(origin, m_glyph); // pixel for pixel
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(origin, design), m_glyph);
    }
    if (hasFocus() && m_keyboardFocus)
        DrawFocusFrame(painter, rect().adjusted(3, 3, -3, -3));
}

void TPictureButton::keyPressEvent(QKeyEvent* event) {
    // Space is the button's own (pressed on its press, clicked on its release); Enter clicks.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TPictureButton::focusInEvent(QFocusEvent* event) {
    // Focus that comes back with the window keeps the frame it had.
    if (IsKeyboardFocus(event->reason()))
        m_keyboardFocus = true;
    else if (event->reason() == Qt::MouseFocusReason)
        m_keyboardFocus = false;
    QAbstractButton::focusInEvent(event);
}
