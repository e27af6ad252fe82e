#pragma once

#include "pageview/page_view.h"

#include <memory>

class QWebEngineProfile;
class QWebEngineView;
class TPageLinks;
class TPageDialogs;
class TPageFind;
class TPageProcessWatch;
class TWebPage;

// The page view on Qt WebEngine. Before-navigate is the page's navigation request (always
// accepted: a rejected one would still report a load start), download-begin is its load start.
// Only an address the view never shows (mail, an unknown scheme) is turned away, unreported.
class TWebPageView final : public TPageView {
public:
    TWebPageView(QWebEngineProfile* profile, QWidget* parent);
    ~TWebPageView() override;

    QWidget* Widget() override;
    void Navigate(const QUrl& url) override;
    void GoBack() override;
    bool ReadyToClose(std::function<void()> closeAgain) override;
    void FindText(const QString& text, bool backward) override;

    QWebEngineView* View() const { return m_view; }
    // New windows, addresses for the desktop and disc files the reader clicked.
    TPageLinks& Links() { return *m_links; }
    TPageDialogs& Dialogs() { return *m_dialogs; }

private:
    QWebEngineView* m_view;
    TWebPage* m_page;
    TPageLinks* m_links; // a child of the page
    TPageFind* m_find;   // a child of the page
    // No page holds the window: its dialogs leave the window usable, and a page whose process
    // stops answering gives way to the one asked for.
    std::unique_ptr<TPageDialogs> m_dialogs;
    std::unique_ptr<TPageProcessWatch> m_watch;
};
