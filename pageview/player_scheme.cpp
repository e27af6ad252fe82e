#include "pageview/player_scheme.h"

#include "pageview/player_files.h"

#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QtGlobal>

namespace {

class TPlayerFiles final : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        if (job->requestMethod() != "GET") {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        const std::optional<player_files::PlayerFile> file =
            player_files::PlayerFileFor(job->requestUrl());
        if (!file) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* content = new QFile(file->path, job); // read by the engine; goes with the job
        if (!content->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        job->reply(file->mimeType, content);
    }
};

} // namespace

void RegisterPlayerScheme() {
    const QByteArray name(player_files::kScheme);
    if (QWebEngineUrlScheme::schemeByName(name).name() == name)
        return; // a second start of the engine in the same process
    QWebEngineUrlScheme scheme(name);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Local, as the disc's file: pages are: they may load it, and a web site may not. Open to
    // requests from another origin, so that a disc page's scripts may read it too.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void ServePlayerFiles(QWebEngineProfile& profile) {
    // The player's files are a resource of their own, in an object file that nothing else names.
    Q_INIT_RESOURCE(flash_player);
    profile.installUrlSchemeHandler(player_files::kScheme, new TPlayerFiles(&profile));
}
