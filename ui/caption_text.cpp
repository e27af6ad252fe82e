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

QString WithoutAccessKeyMarks(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break; // a mark with nothing after it marks nothing
        text += caption[i];
    }
    return text;
}
