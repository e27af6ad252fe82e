#include "pageview/native_path.h"

#include "content/page_files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QUrl>

QString NativePathText(const std::string& nativePath) {
    return QFile::decodeName(QByteArray::fromStdString(nativePath));
}

std::string NativePathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string LocalFileBytes(const QUrl& fileUrl) {
#ifdef _WIN32
    return NativePathBytes(QDir::toNativeSeparators(fileUrl.toLocalFile()));
#else
    return content::PercentDecode(fileUrl.path(QUrl::FullyEncoded).toStdString());
#endif
}
