#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class QWebEnginePage;
class TPageDialogs;

// Sees that the page the reader leaves lets go. The engine shows the page asked for only once
// the process of the page shown answers, and a page whose script runs on or whose heap is full
// never does. The watch asks the process every so often whether it answers (with a script of its
// own, in a world the page cannot reach); when the reader asks for another page and the process
// has been silent too long (the rule in pageview/stuck_page_rule.h), it ends the process, and the
// request is made again in the new process the engine starts for it. The page, its profile and
// its history stay.
class TPageProcessWatch final : public QObject {
public:
    TPageProcessWatch(QWebEnginePage* page, TPageDialogs& dialogs);

    // Does `request` (a load, a step in the history) for the reader once no dialog holds the
    // engine, and watches it until the page asked for is shown.
    void Request(std::function<void()> request);

private:
    void Start(std::function<void()> request);
    void Look();
    void AskProcess();
    void RequestShown();
    void ProcessEnded();

    QWebEnginePage* m_page;
    TPageDialogs& m_dialogs;
    QTimer m_looks;
    std::function<void()> m_request; // the reader's latest request, until its page is shown
    bool m_processEnded = false;     // since the request, by the watch or by itself
    bool m_madeAgain = false;        // the request, once, in the process after the one that ended
    qint64 m_pid = 0;                // the process last seen
    QElapsedTimer m_silence;         // since that process last answered (or started)
};
