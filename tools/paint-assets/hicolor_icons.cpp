#include "hicolor_icons.h"

#include "window_icon.h"

#include <QDir>

namespace paint {

bool WriteHicolorIcons(const QString& directory, const QString& name, QString& error) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(directory).arg(size);
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !PaintWindowIcon(QSize(size, size)).save(path, "PNG")) {
            error = QStringLiteral("cannot write ") + path;
            return false;
        }
    }
    return true;
}

} // namespace paint
