#include "text_fit.h"

#include <QTransform>

namespace paint {

QPainterPath TextFittedTo(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0.0, 0.0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) {
        return path;
    }
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / ink.width(), box.height() / ink.height());
    fit.translate(-ink.left(), -ink.top());
    return fit.map(path);
}

} // namespace paint
