#pragma once

#include "pageview/dialog_flood_rule.h"
#include "pageview/page_dialog.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// The JavaScript dialogs of the page in the view. The engine asks for a dialog from inside its
// own work and waits for the answer there: in Qt WebEngine 6.4 a page's dialog functions must
// return it. So an open dialog runs the application's events until it is answered, which keeps
// the window usable, and nothing may be asked of the engine meanwhile: its work goes on only
// once the answer has been returned, and stopping it from in there (the application's end) can
// bring the engine down. Whatever the window asks of the view while a dialog is open ends the
// dialog first and is done once the engine's call has returned.
class TPageDialogs final {
public:
    explicit TPageDialogs(QWidget* pageView);
    ~TPageDialogs();
    TPageDialogs(const TPageDialogs&) = delete;
    TPageDialogs& operator=(const TPageDialogs&) = delete;

    // The page's three dialogs, answered as the page's dialog functions return them. A dialog
    // that is not shown is answered as cancelled.
    void Alert(const QString& message);
    bool Confirm(const QString& message);
    bool Prompt(const QString& message, const QString& defaultText, QString* answer);

    // The reader asked for another page: an open dialog ends as cancelled, and the page being
    // left shows no other. The page asked for counts its dialogs afresh once it is shown.
    void LeavePage();
    void NewPageShown();
    // The window closes: an open dialog ends and no page shows one from now on.
    void StopAll();

    bool DialogOpen() const { return m_dialogOpen; }
    // Runs `work` now, or, while a dialog is open, once the engine's call that opened it has
    // returned.
    void WhenEngineFree(std::function<void()> work);

private:
    // Shows the dialog when the page may show one, one at a time; true when answered with OK.
    bool Show(TPageDialog::Kind kind, const QString& message, const QString& defaultText,
              QString* text);
    void EndOpenDialog();

    QWidget* m_pageView;
    dialog_flood::DialogRun m_run;
    QElapsedTimer m_clock;
    bool m_leaving = false;
    bool m_stopped = false;
    bool m_dialogOpen = false;
    QPointer<TPageDialog> m_open;
    std::vector<std::function<void()>> m_afterDialog;
};
