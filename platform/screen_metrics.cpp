#include "platform/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(0, 0);
}

} // namespace platform
