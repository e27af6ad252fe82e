#include "skin_pictures.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares the resource's initialiser in the scope it is used in; the
// initialiser that rcc writes lives in the global namespace, so the call must too.
static void InitSkinResource() {
    Q_INIT_RESOURCE(quilcd_skin);
}

namespace skin {

void InitResources() {
    static const bool once = [] {
        InitSkinResource();
        return true;
    }();
    (void)once;
}

int PictureScale(qreal devicePixelRatio) {
    return devicePixelRatio > 1.0 ? 2 : 1;
}

QString ResourcePath(const char* file, int scale) {
    return QStringLiteral(":/skin/") + ScaledFile(file, scale);
}

QImage LoadPicture(const char* file, int scale) {
    InitResources();
    QImage picture(ResourcePath(file, scale));
    picture.setDevicePixelRatio(scale);
    return picture;
}

QImage PictureFor(const char* file, qreal devicePixelRatio) {
    const int scale = PictureScale(devicePixelRatio);
    QImage picture = LoadPicture(file, scale);
    if (picture.isNull() || devicePixelRatio == scale)
        return picture;
    const QSize design = picture.size() / scale;
    const QSize device(qRound(design.width() * devicePixelRatio),
                       qRound(design.height() * devicePixelRatio));
    // Resampled in 32 bits: Qt 6.4 crashes scaling the two-colour credit strip smoothly as is.
    const QImage::Format deep =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    QImage resampled = picture.convertToFormat(deep).scaled(device, Qt::IgnoreAspectRatio,
                                                            Qt::SmoothTransformation);
    resampled.setDevicePixelRatio(devicePixelRatio);
    return resampled;
}

QString IconPath() {
    return ResourcePath(kIconFile, 1);
}

} // namespace skin
