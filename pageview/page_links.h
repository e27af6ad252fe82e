#pragma once

#include "pageview/page_link_rules.h"

#include <QObject>
#include <QWebEnginePage>

#include <memory>
#include <string>

class QWebEngineDownloadRequest;
class QWebEngineNewWindowRequest;
class TPageWindows;

// What a page's links may do beyond showing a page in its own view: open a window of their own,
// hand a web site or a mail address to the desktop, open a disc file the reader clicked as a
// launch button opens its target. One belongs to each page view, the main window's and every
// page window's; the page windows that any of them opens are one set, that of the main view.
class TPageLinks final : public QObject {
public:
    // `view` is the widget that shows `page`: the reader's clicks and key presses reach it.
    TPageLinks(QWebEnginePage& page, QWidget& view);
    ~TPageLinks() override;

    // Asked first about every navigation of the page; false when the view does not go there
    // (the address went to the desktop, or nowhere).
    bool AcceptsNavigation(const QUrl& url, QWebEnginePage::NavigationType type);

    // Windows that this page opens join the given set instead of one of its own.
    void ShareWindows(TPageWindows& windows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TPageWindows& Windows();
    void NewWindowRequested(QWebEngineNewWindowRequest& request);
    void DownloadRequested(QWebEngineDownloadRequest* download);

    QWebEnginePage& m_page;
    QWidget& m_view;
    page_links::ReaderClicks m_clicks;
    std::unique_ptr<TPageWindows> m_ownWindows;
    TPageWindows* m_windows = nullptr;
};
