#include "ui/disc_request_guard.h"

#include "content/disc_confinement.h"
#include "ui/disc_file_provider.h"
#include "ui/native_path.h"

#include <QUrl>
#include <QWebEngineUrlRequestInfo>

TDiscRequestGuard::TDiscRequestGuard(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void TDiscRequestGuard::SetDiscRoot(const std::string& resolvedDiscRoot) {
    m_discRoot = resolvedDiscRoot;
}

bool TDiscRequestGuard::Allows(const QUrl& url) const {
    if (url.scheme().compare(QStringLiteral("file"), Qt::CaseInsensitive) != 0)
        return true;
    // A file on another machine ("file://host/share") is never part of the disc.
    if (!url.host().isEmpty())
        return false;
    return content::InsideDiscRoot(m_discRoot, NativePathBytes(url.toLocalFile()));
}

void TDiscRequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!Allows(info.requestUrl()))
        info.block(true);
    else
        ProvideDiscFile(info.requestUrl());
}
