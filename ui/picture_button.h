#pragma once

#include <QAbstractButton>
#include <QImage>

// A push button that shows only its glyph. The glyph is one pixel wider and taller than the
// button; the colour of its bottom-left pixel is transparent, and it is drawn centred so that it
// covers the button's frame, one pixel right and down while the button is held.
class TPictureButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit TPictureButton(QWidget* parent = nullptr);

    void SetGlyph(const QImage& glyph);
    const QImage& Glyph() const { return m_glyph; }

    // Where the glyph's top-left corner lands on a button of the given size.
    static QPoint GlyphOrigin(QSize button, QSize glyph, bool pressed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_glyph;
};
