#include "pageview/disc_request_guard.h"

#include "content/disc_confinement.h"
#include "content/page_files.h"
#include "pageview/disc_file_provider.h"
#include "pageview/native_path.h"

#include <QByteArray>
#include <QWebEngineUrlRequestInfo>

#include <filesystem>
#include <system_error>

namespace {

bool IsSpecialFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

// A file: address for native path bytes, escaped byte by byte so that a name that is no valid
// UTF-8 still names exactly that file.
QUrl FileUrlOf(const std::string& nativePath, const QUrl& like) {
    QUrl url = QUrl::fromEncoded(QByteArray("file://") +
                                 QByteArray::fromStdString(nativePath).toPercentEncoding("/"));
    if (like.hasQuery())
        url.setQuery(like.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

} // namespace

DiscFileRequest ResolveDiscFileRequest(const QUrl& fileUrl, const std::string& discRootResolved) {
    DiscFileRequest request;
    request.asked = LocalFileBytes(fileUrl);
    request.found = content::FindPageFile(discRootResolved, request.asked);
    // A file on another machine ("file://host/share") is never part of the disc, whatever its
    // path says.
    request.allowed = fileUrl.host().isEmpty() &&
                      content::InsideDiscRoot(discRootResolved, request.found) &&
                      !IsSpecialFile(request.found);
    return request;
}

TDiscRequestGuard::TDiscRequestGuard(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void TDiscRequestGuard::SetDiscRoot(const std::string& resolvedDiscRoot) {
    m_discRoot = resolvedDiscRoot;
}

TDiscRequestGuard::Decision TDiscRequestGuard::Decide(const QUrl& url) const {
    if (url.scheme().compare(QStringLiteral("file"), Qt::CaseInsensitive) != 0)
        return {Decision::Kind::Allow, {}, {}};
    const DiscFileRequest request = ResolveDiscFileRequest(url, m_discRoot);
    if (!request.allowed)
        return {Decision::Kind::Block, {}, {}};
    if (request.found == request.asked)
        return {Decision::Kind::Allow, {}, request.found};
    return {Decision::Kind::Redirect, FileUrlOf(request.found, url), request.found};
}

void TDiscRequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const Decision decision = Decide(info.requestUrl());
    if (decision.kind == Decision::Kind::Block) {
        info.block(true);
        return;
    }
    // A disc whose files come out of an image when first needed brings this one out now.
    if (!decision.file.empty())
        ProvideDiscFile(decision.file);
    if (decision.kind == Decision::Kind::Redirect)
        info.redirect(decision.redirectTo);
}
