#include "bench/first_disc_page.h"

#include <QDir>
#include <QFile>

QUrl FirstDiscPage(const QString& menuDir) {
    QFile list(QDir(menuDir).filePath(QStringLiteral("html.txt")));
    if (!list.open(QIODevice::ReadOnly))
        return {};
    while (!list.atEnd()) {
        const QByteArray line = list.readLine().trimmed();
        if (line.isEmpty())
            continue;
        QString relative = QString::fromLatin1(line);
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QUrl::fromLocalFile(
            QDir::cleanPath(QDir(menuDir).filePath(QStringLiteral("../_html/")) + relative));
    }
    return {};
}
