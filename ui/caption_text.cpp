#include "ui/caption_text.h"

#include <QPainter>

void DrawCaption(QPainter& painter, const QRect& face, const QString& caption, const QFont& font,
                 const QColor& colour, Qt::Alignment alignment) {
    painter.save();
    painter.setClipRect(face);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(face, static_cast<int>(alignment) | Qt::TextShowMnemonic | Qt::TextSingleLine,
                     caption);
    painter.restore();
}
