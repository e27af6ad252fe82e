#pragma once

#include <QUrl>

#include <functional>

class QWidget;

// What the window needs of its HTML view: navigate, go back, and the two reports. The window's
// navigation logic stands on this alone, so it is tested with a fake view as well as the real
// one.
class TPageView {
public:
    virtual ~TPageView() = default;

    virtual QWidget* Widget() = 0;
    // Starts a navigation and returns; throws when the view refuses it.
    virtual void Navigate(const QUrl& url) = 0;
    // Goes back one page in the view's history; throws when there is no earlier page.
    virtual void GoBack() = 0;
    // Whether the window may close now. A page dialog waiting for the reader holds the engine in
    // the middle of its work, and the engine must not stop there: the view then ends the dialog,
    // lets no page open another, and calls `closeAgain` once the engine is free.
    virtual bool ReadyToClose(std::function<void()> /*closeAgain*/) { return true; }
    // Finds the text in the page shown and in its frames and marks every place it stands; asked
    // again for the same text, the view moves on to the next place (backward: the one before).
    // An empty text takes the marks away. Each find is answered through FindResult.
    virtual void FindText(const QString& /*text*/, bool /*backward*/) {}

    // Reported before each navigation of the page or of a frame in it, with the address it goes
    // to; the navigation always goes ahead.
    std::function<void(const QUrl&)> BeforeNavigate;
    // Reported when the view begins loading.
    std::function<void()> DownloadBegin;
    // Reported when the page (not one of its frames) has loaded, with its address.
    std::function<void(const QUrl&)> PageShown;
    // The answer to FindText: the place shown (counted from 1) and how many places there are;
    // 0 and 0 when the text stands nowhere.
    std::function<void(int active, int count)> FindResult;
    // Reported when the reader chose to search the disc from the page's context menu.
    std::function<void()> SearchDiscRequested;
};
