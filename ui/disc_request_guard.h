#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <string>

class QUrl;

// Stands in every request of the HTML view's profile — page, frame, picture, script, style sheet,
// fetch — and stops those for a local file outside the disc root. Addresses that are not local
// files (web sites among them) go ahead untouched. Until a disc root is set no local file is
// allowed, so nothing can be shown before the disc is known.
class TDiscRequestGuard final : public QWebEngineUrlRequestInterceptor {
public:
    explicit TDiscRequestGuard(QObject* parent = nullptr);

    void SetDiscRoot(const std::string& resolvedDiscRoot);
    bool Allows(const QUrl& url) const;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::string m_discRoot;
};
