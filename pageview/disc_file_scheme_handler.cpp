#include "pageview/disc_file_scheme_handler.h"

#include "pageview/disc_file_provider.h"
#include "pageview/disc_request_guard.h"

#include <QPointer>
#include <QWebEngineUrlRequestJob>

TDiscFileSchemeHandler::TDiscFileSchemeHandler(const TDiscRequestGuard& guard, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), m_guard(guard) {}

void TDiscFileSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const TDiscRequestGuard::Decision decision = m_guard.Decide(job->requestUrl());
    if (decision.kind != TDiscRequestGuard::Decision::Kind::Answer) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    if (decision.file.empty()) {
        job->redirect(decision.redirectTo);
        return;
    }
    // The engine deletes a job whose page went away meanwhile (the reader chose another).
    ProvideDiscFile(decision.file, [job = QPointer(job), to = decision.redirectTo](bool provided) {
        if (!job)
            return;
        if (provided)
            job->redirect(to);
        else
            job->fail(QWebEngineUrlRequestJob::RequestFailed);
    });
}
