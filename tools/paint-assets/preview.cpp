#include "preview.h"

#include "skin_layout.h"

#include <QFont>
#include <QPainter>

namespace paint {

QImage ComposePreview(const std::vector<Picture>& pictures) {
    QImage preview = Find(pictures, skin::kBackgroundFile).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&preview);
    painter.fillRect(skin::kTreeView, Qt::white);
    for (const skin::GlyphRule& rule : skin::kGlyphs) {
        // The button clips its glyph's extra column and row, key corner included.
        painter.save();
        painter.setClipRect(rule.button);
        painter.drawImage(rule.button.topLeft(), Find(pictures, rule.file));
        painter.restore();
    }
    QFont label(QStringLiteral("Liberation Sans"));
    label.setPixelSize(13);
    painter.setFont(label);
    painter.setPen(Qt::white);
    painter.drawText(QRect(572, 160, 207, 20), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("199n Vol.n No.nn XXX.nn"));
    return preview;
}

} // namespace paint
