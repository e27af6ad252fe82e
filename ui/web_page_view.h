#pragma once

#include "ui/page_view.h"

class QWebEngineProfile;
class QWebEngineView;
class TPageLinks;
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

    QWebEngineView* View() const { return m_view; }
    // New windows, addresses for the desktop and disc files the reader clicked.
    TPageLinks& Links() { return *m_links; }

private:
    QWebEngineView* m_view;
    TWebPage* m_page;
    TPageLinks* m_links; // a child of the page
};
