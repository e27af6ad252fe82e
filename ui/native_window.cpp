#include "ui/native_window.h"

#include <QQuickWidget>

void PrepareNativeWindowForHtmlView(QWidget& window) {
    // Never shown, it never draws: only its kind matters to the window.
    auto* placeholder = new QQuickWidget(&window);
    placeholder->setObjectName(QStringLiteral("HtmlViewSurface"));
    placeholder->setFocusPolicy(Qt::NoFocus);
    placeholder->setGeometry(0, 0, 0, 0);
    placeholder->hide();
}
