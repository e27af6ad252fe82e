#include "pageview/disc_request_guard.h"

#include "content/disc_confinement.h"
#include "content/page_files.h"
#include "pageview/disc_file_provider.h"
#include "pageview/disc_file_scheme.h"
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

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
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
    using Kind = Decision::Kind;
    const bool underScheme = IsDiscFileSchemeUrl(url);
    if (!underScheme && url.scheme().compare(QStringLiteral("file"), Qt::CaseInsensitive) != 0)
        return {Kind::Allow, {}, {}};
    const DiscFileRequest request = ResolveDiscFileRequest(url, m_discRoot);
    if (!request.allowed)
        return {Kind::Block, {}, {}};
    // A page asking for a folder is shown its list; only a launch brings out what is in it.
    const std::string file = IsFolder(request.found) ? std::string() : request.found;
    const QUrl fileUrl = FileUrlOf(request.found, url);
    if (underScheme)
        return {Kind::Answer, fileUrl, file};
    if (!file.empty() && !DiscFileReady(file))
        return {Kind::Redirect, DiscFileSchemeUrl(fileUrl), file};
    if (request.found == request.asked)
        return {Kind::Allow, {}, file};
    return {Kind::Redirect, fileUrl, file};
}

void TDiscRequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const Decision decision = Decide(info.requestUrl());
    switch (decision.kind) {
    case Decision::Kind::Block:
        info.block(true);
        break;
    case Decision::Kind::Redirect:
        info.redirect(decision.redirectTo);
        break;
    case Decision::Kind::Allow:
    case Decision::Kind::Answer:
        break;
    }
}
