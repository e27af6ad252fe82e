#include "pageview/disc_file_scheme.h"

#include <QWebEngineUrlScheme>

void RegisterDiscFileScheme() {
    QWebEngineUrlScheme scheme(kDiscFileScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

bool DiscFileSchemeRegistered() {
    return QWebEngineUrlScheme::schemeByName(kDiscFileScheme).name() == kDiscFileScheme;
}

bool IsDiscFileSchemeUrl(const QUrl& url) {
    return url.scheme().compare(QLatin1String(kDiscFileScheme), Qt::CaseInsensitive) == 0;
}

QUrl DiscFileSchemeUrl(const QUrl& fileUrl) {
    QUrl url = fileUrl;
    url.setScheme(QLatin1String(kDiscFileScheme));
    return url;
}

QUrl FileUrlOfDiscFileScheme(const QUrl& schemeUrl) {
    QUrl url = schemeUrl;
    url.setScheme(QStringLiteral("file"));
    return url;
}
