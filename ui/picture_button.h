#pragma once

#include "ui/skin_button.h"

#include <QImage>

// A push button that shows only its glyph. The glyph is one pixel wider and taller than the
// button; the colour of its bottom-left pixel is transparent, and it is drawn centred so that it
// covers the button's frame, one pixel right and down while the button is held. A glyph drawn
// at 2x keys out the same colour, which fills its bottom-left 2 x 2 block.
class TPictureButton final : public TSkinButton {
    Q_OBJECT
public:
    explicit TPictureButton(QWidget* parent = nullptr);

    // The glyph at any scale: its device pixel ratio says how many of its pixels make one of
    // the design's.
    void SetGlyph(const QImage& glyph);
    const QImage& Glyph() const { return m_glyph; }
    // The tooltip, and the name a screen reader gives the button.
    void SetHint(const QString& hint);

    // Where the glyph's top-left corner lands on a button of the given size.
    static QPoint GlyphOrigin(QSize button, QSize glyph, bool pressed);

protected:
    void PaintFace(QPainter& painter) override;

private:
    QImage m_glyph;
};
