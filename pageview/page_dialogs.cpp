#include "pageview/page_dialogs.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

// The engine asks whether the reader will leave a page whose beforeunload handler objects, with
// this question of its own, through the page's confirm function.
QString LeaveQuestion() {
    return QCoreApplication::translate(
        "QWebEnginePage",
        "Are you sure you want to leave this page? Changes that you made may not be saved.");
}

} // namespace

TPageDialogs::TPageDialogs(QWidget* pageView) : m_pageView(pageView) {
    m_clock.start();
}

TPageDialogs::~TPageDialogs() {
    EndOpenDialog();
}

void TPageDialogs::Alert(const QString& message) {
    Show(TPageDialog::Kind::Alert, message, {}, nullptr);
}

bool TPageDialogs::Confirm(const QString& message) {
    // A page never keeps the reader: whatever its beforeunload handler says, the reader leaves.
    if (message == LeaveQuestion())
        return true;
    return Show(TPageDialog::Kind::Confirm, message, {}, nullptr);
}

bool TPageDialogs::Prompt(const QString& message, const QString& defaultText, QString* answer) {
    QString text;
    if (!Show(TPageDialog::Kind::Prompt, message, defaultText, &text))
        return false;
    *answer = text;
    return true;
}

bool TPageDialogs::Show(TPageDialog::Kind kind, const QString& message, const QString& defaultText,
                        QString* text) {
    if (m_stopped || m_leaving || m_dialogOpen)
        return false;
    const auto now = [this] {
        return std::chrono::milliseconds(m_clock.elapsed());
    };
    if (!m_run.Ask(now()))
        return false;

    m_dialogOpen = true;
    auto* dialog = new TPageDialog(kind, message, defaultText, m_pageView);
    m_open = dialog;
    const bool ok = dialog->Ask();
    if (text && m_open)
        *text = m_open->Text();
    delete m_open.data(); // gone already if the window went while the dialog was open
    m_dialogOpen = false;
    m_run.Answered(now());

    // What the window asked for meanwhile waits until the engine's call has returned.
    for (std::function<void()>& work : std::exchange(m_afterDialog, {}))
        QTimer::singleShot(0, m_pageView, std::move(work));
    return ok;
}

void TPageDialogs::LeavePage() {
    m_leaving = true;
    m_run = {};
    EndOpenDialog();
}

void TPageDialogs::NewPageShown() {
    m_leaving = false;
}

void TPageDialogs::StopAll() {
    m_stopped = true;
    EndOpenDialog();
}

void TPageDialogs::WhenEngineFree(std::function<void()> work) {
    if (m_dialogOpen)
        m_afterDialog.push_back(std::move(work));
    else
        work();
}

void TPageDialogs::EndOpenDialog() {
    if (m_open)
        m_open->Dismiss();
}
