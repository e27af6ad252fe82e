#include "ui/native_path.h"

#include <QByteArray>
#include <QFile>

QString NativePathText(const std::string& nativePath) {
    return QFile::decodeName(QByteArray::fromStdString(nativePath));
}

std::string NativePathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
