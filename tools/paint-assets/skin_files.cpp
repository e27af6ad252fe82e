#include "skin_files.h"

#include <QDir>
#include <QSaveFile>

namespace paint {

namespace {

QByteArray ResourceList(const std::vector<Picture>& pictures) {
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/skin\">\n";
    for (const Picture& picture : pictures) {
        qrc += "    <file>" + picture.file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

} // namespace

bool WriteSkin(const QString& directory, const std::vector<Picture>& pictures, QString& error) {
    QDir dir(directory);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = QStringLiteral("cannot create ") + directory;
        return false;
    }
    for (const Picture& picture : pictures) {
        const QString path = dir.filePath(picture.file);
        if (!picture.image.save(path, "PNG")) {
            error = QStringLiteral("cannot write ") + path;
            return false;
        }
    }
    // Written through a temporary file so that an interrupted run never leaves a half list
    // that a later build would trust.
    QSaveFile qrc(dir.filePath(QString::fromUtf8(kResourceFile)));
    if (!qrc.open(QIODevice::WriteOnly) || qrc.write(ResourceList(pictures)) < 0 || !qrc.commit()) {
        error = QStringLiteral("cannot write ") + qrc.fileName();
        return false;
    }
    return true;
}

} // namespace paint
