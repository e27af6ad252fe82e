#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <memory>

class QWebEngineNewWindowRequest;
class QWebEnginePage;
class QWebEngineProfile;
class TPageWindows;
class TWebPageView;

// A window of the program's own for a page that asked for one: a plain top-level window with its
// own page view on the main view's profile (so the disc's confinement holds in it too), titled
// with its page's title. Its page never moves the contents tree and has a history of its own. It
// closes when its page calls window.close(); it does not keep the program running.
class TPageWindow final : public QWidget {
public:
    TPageWindow(QWebEngineProfile* profile, TPageWindows& windows);
    ~TPageWindow() override;

    QWebEnginePage* Page() const;

private:
    std::unique_ptr<TWebPageView> m_pageView;
};

// The page windows open at once, all opened from the main view's page or from one another: at
// most page_links::kMaxPageWindows (the oldest closes when another opens), and all of them close
// when the main view's window closes.
class TPageWindows final : public QObject {
public:
    // The windows show their pages in the main view's profile.
    TPageWindows(QWidget& mainView, QWebEngineProfile* profile);
    ~TPageWindows() override;

    // Opens the request's page in a new window, sized as the page asked, centred on the screen.
    void Open(QWebEngineNewWindowRequest& request);
    void CloseAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_mainView;
    QWebEngineProfile* m_profile;
    QPointer<QWidget> m_mainWindow;
    std::deque<QPointer<TPageWindow>> m_windows; // oldest first, closed ones until deleted
};
