#include "ui/focus_frame.h"

#include <QPainter>

void DrawFocusFrame(QPainter& painter, const QRect& area) {
    const QRect frame = area.adjusted(0, 0, -1, -1); // a pen of one pixel draws one past the edge
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(frame);
    painter.restore();
}

bool IsKeyboardFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}
