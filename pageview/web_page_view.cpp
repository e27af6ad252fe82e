#include "pageview/web_page_view.h"

#include "pageview/disc_file_scheme.h"
#include "pageview/page_dialogs.h"
#include "pageview/page_find.h"
#include "pageview/page_links.h"
#include "pageview/page_media.h"
#include "pageview/page_process_watch.h"

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
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool) override {
        if (!m_owner.Links().AcceptsNavigation(url, type))
            return false; // no navigation: handed to the desktop, or refused
        // A disc file waiting under the program's scheme (or left there by a cancelled wait, in
        // the history) is reported at its own file: address, for the tree to match.
        if (m_owner.BeforeNavigate)
            m_owner.BeforeNavigate(IsDiscFileSchemeUrl(url) ? FileUrlOfDiscFileScheme(url) : url);
        // The engine tells a load start only when the page goes from idle to loading; a
        // navigation that replaces one still loading would go untold. Every accepted navigation
        // begins a download, so each is told here, after its before-navigate report.
        if (m_owner.DownloadBegin)
            m_owner.DownloadBegin();
        return true;
    }

    // The page's dialogs, shown without holding the rest of the window (pageview/page_dialogs.h).
    void javaScriptAlert(const QUrl&, const QString& message) override {
        m_owner.Dialogs().Alert(message);
    }
    bool javaScriptConfirm(const QUrl&, const QString& message) override {
        return m_owner.Dialogs().Confirm(message);
    }
    bool javaScriptPrompt(const QUrl&, const QString& message, const QString& defaultText,
                          QString* answer) override {
        return m_owner.Dialogs().Prompt(message, defaultText, answer);
    }

private:
    TWebPageView& m_owner;
};

TWebPageView::TWebPageView(QWebEngineProfile* profile, QWidget* parent)
    : m_view(new QWebEngineView(parent)), m_page(new TWebPage(profile, *this, m_view)),
      m_links(new TPageLinks(*m_page, *m_view)), m_find(new TPageFind(*m_page, *m_view, *this)) {
    m_view->setObjectName(QStringLiteral("WebBrowser"));
    m_view->setPage(m_page);
    QObject::connect(m_page, &QWebEnginePage::loadStarted, m_view, [this] {
        if (DownloadBegin)
            DownloadBegin();
    });
    QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view, [this] {
        if (PageShown)
            PageShown(m_page->url());
    });
    new TPageMedia(*m_page); // a child of the page: its music ends with it
    m_dialogs = std::make_unique<TPageDialogs>(m_view);
    m_watch = std::make_unique<TPageProcessWatch>(m_page, *m_dialogs);
}

TWebPageView::~TWebPageView() {
    // The view outlives this object for a moment (its parent widget deletes it): no report may
    // reach the window from then on.
    BeforeNavigate = nullptr;
    DownloadBegin = nullptr;
    PageShown = nullptr;
    FindResult = nullptr;
    SearchDiscRequested = nullptr;
    QObject::disconnect(m_page, nullptr, m_view, nullptr);
    delete m_find;
}

QWidget* TWebPageView::Widget() {
    return m_view;
}

void TWebPageView::Navigate(const QUrl& url) {
    if (!url.isValid())
        throw std::runtime_error("invalid page address");
    m_watch->Request([page = m_page, url] { page->load(url); });
}

void TWebPageView::GoBack() {
    // Following a link shows its page, and the tree asks for the same page again a moment later;
    // the engine keeps both in its history. To the reader they are one page, so Back goes to
    // the nearest earlier entry that shows another.
    QWebEngineHistory* history = m_page->history();
    const QList<QWebEngineHistoryItem> earlier = history->backItems(history->currentItemIndex());
    const QUrl current = history->currentItem().url();
    for (auto item = earlier.crbegin(); item != earlier.crend(); ++item) {
        if (item->url() != current) {
            m_watch->Request([history, target = *item] { history->goToItem(target); });
            return;
        }
    }
    throw std::runtime_error("no earlier page");
}

void TWebPageView::FindText(const QString& text, bool backward) {
    m_find->Find(text, backward);
}

bool TWebPageView::ReadyToClose(std::function<void()> closeAgain) {
    const bool dialogOpen = m_dialogs->DialogOpen();
    if (dialogOpen)
        m_dialogs->WhenEngineFree(std::move(closeAgain));
    m_dialogs->StopAll();
    return !dialogOpen;
}
