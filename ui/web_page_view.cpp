#include "ui/web_page_view.h"

#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <stdexcept>

class TWebPage final : public QWebEnginePage {
public:
    TWebPage(QWebEngineProfile* profile, TWebPageView& owner, QObject* parent)
        : QWebEnginePage(profile, parent), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        if (m_owner.BeforeNavigate)
            m_owner.BeforeNavigate(url);
        return true;
    }

private:
    TWebPageView& m_owner;
};

TWebPageView::TWebPageView(QWebEngineProfile* profile, QWidget* parent)
    : m_view(new QWebEngineView(parent)), m_page(new TWebPage(profile, *this, m_view)) {
    m_view->setObjectName(QStringLiteral("WebBrowser"));
    m_view->setPage(m_page);
    QObject::connect(m_page, &QWebEnginePage::loadStarted, m_view, [this] {
        if (DownloadBegin)
            DownloadBegin();
    });
}

TWebPageView::~TWebPageView() {
    // The view outlives this object for a moment (its parent widget deletes it): no report may
    // reach the window from then on.
    BeforeNavigate = nullptr;
    DownloadBegin = nullptr;
    QObject::disconnect(m_page, nullptr, m_view, nullptr);
}

QWidget* TWebPageView::Widget() { return m_view; }

void TWebPageView::Navigate(const QUrl& url) {
    if (!url.isValid())
        throw std::runtime_error("invalid page address");
    m_page->load(url);
}

void TWebPageView::GoBack() {
    if (!m_page->history()->canGoBack())
        throw std::runtime_error("no earlier page");
    m_page->triggerAction(QWebEnginePage::Back);
}
