#include "pageview/page_process_watch.h"

#include "pageview/page_dialogs.h"
#include "pageview/stuck_page_rule.h"
#include "platform/process_end.h"

#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <utility>

TPageProcessWatch::TPageProcessWatch(QWebEnginePage* page, TPageDialogs& dialogs)
    : m_page(page), m_dialogs(dialogs) {
    connect(&m_looks, &QTimer::timeout, this, &TPageProcessWatch::Look);
    m_looks.start(stuck_page::kAskWhileShown);
    m_silence.start();
    // The page asked for is shown once its address has committed, or its load has ended (the
    // same address again commits no new one). A load that failed because its process went is
    // made again instead (ProcessEnded).
    connect(m_page, &QWebEnginePage::urlChanged, this, &TPageProcessWatch::RequestShown);
    connect(m_page, &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo& loading) {
                if (loading.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                    (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
                     m_page->renderProcessPid() > 0))
                    RequestShown();
            });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            &TPageProcessWatch::ProcessEnded);
}

void TPageProcessWatch::Request(std::function<void()> request) {
    m_dialogs.LeavePage();
    m_dialogs.WhenEngineFree([watch = QPointer(this), request = std::move(request)]() mutable {
        if (watch)
            watch->Start(std::move(request));
    });
}

void TPageProcessWatch::Start(std::function<void()> request) {
    m_request = std::move(request);
    m_processEnded = false;
    m_madeAgain = false;
    m_looks.setInterval(stuck_page::kAskWhileWaiting);
    m_request();
    Look(); // a process silent for long already is ended at once
}

void TPageProcessWatch::Look() {
    const qint64 pid = m_page->renderProcessPid();
    // A page waiting for the reader's answer to its dialog is not stuck, and a process is given
    // the time to start: its silence counts from then.
    if (m_dialogs.DialogOpen() || pid != m_pid) {
        m_pid = pid;
        m_silence.restart();
    }
    if (m_request) {
        stuck_page::Signs signs;
        signs.processRunning = pid > 0;
        signs.processEndedSinceRequest = m_processEnded;
        signs.silentFor = stuck_page::Milliseconds(m_silence.elapsed());
        if (stuck_page::NextStep(signs) == stuck_page::Step::EndProcess) {
            // The engine reports the end, and the request is made again then. A process that
            // is not ours to end leaves the request with the engine.
            m_processEnded = true;
            platform::EndChildProcess(pid);
            return;
        }
    }
    if (pid > 0 && !m_dialogs.DialogOpen())
        AskProcess();
}

void TPageProcessWatch::AskProcess() {
    // Any answer will do: it comes only once the process is free to run a script.
    m_page->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                          [watch = QPointer(this), pid = m_pid](const QVariant&) {
                              if (watch && watch->m_pid == pid)
                                  watch->m_silence.restart();
                          });
}

void TPageProcessWatch::RequestShown() {
    if (!m_request)
        return;
    m_request = nullptr;
    m_looks.setInterval(stuck_page::kAskWhileShown);
    m_dialogs.NewPageShown();
}

void TPageProcessWatch::ProcessEnded() {
    // A request still waiting went with the process; the engine starts a new process for it
    // when it is made again. Once only: a page whose process ends before it is shown would
    // otherwise be asked for without end.
    m_processEnded = true;
    if (m_request && !m_madeAgain) {
        m_madeAgain = true;
        m_request();
    }
}
