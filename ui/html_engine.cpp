#include "ui/html_engine.h"

#include "content/disc_confinement.h"
#include "ui/disc_request_guard.h"

#include <QCoreApplication>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {
QWebEngineProfile* g_profile = nullptr;
TDiscRequestGuard* g_guard = nullptr; // a child of the profile
std::string g_discRoot;               // kept across a restart of the engine

void SetUpPageSettings(QWebEngineSettings& settings) {
    // Disc pages use the disc's own files (the guard keeps them to the disc). A page's own script
    // cannot reach the network, neither by fetch nor by following a link, so nothing it read
    // leaves the machine; the reader's click on a link to a web site still goes there.
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // The engine hands an address it cannot show (mailto:, an application's own scheme) to the
    // desktop, which starts whatever program claims it. Starting programs is the launch buttons'
    // job alone.
    settings.setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
}
} // namespace

void StartHtmlEngine() {
    if (g_profile)
        return;
    // The view draws through Qt Quick, which would keep its compiled shaders under the reader's
    // home (~/.cache/qtshadercache-*); the disc leaves nothing there.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    g_profile = new QWebEngineProfile(); // no storage name: off the record
    g_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    g_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    SetUpPageSettings(*g_profile->settings());
    g_guard = new TDiscRequestGuard(g_profile);
    g_guard->SetDiscRoot(g_discRoot);
    g_profile->setUrlRequestInterceptor(g_guard);
    // A link to an installer or a script on the disc would otherwise be offered as a download;
    // nothing is ever saved (let alone run) from a page.
    QObject::connect(g_profile, &QWebEngineProfile::downloadRequested, g_profile,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
}

void StopHtmlEngine() {
    delete g_profile;
    g_profile = nullptr;
    g_guard = nullptr;
}

QWebEngineProfile* HtmlEngineProfile() {
    StartHtmlEngine();
    return g_profile;
}

void ConfineHtmlEngineToDisc(const std::string& nativeHtmlDir) {
    g_discRoot = content::DiscRootOf(nativeHtmlDir);
    if (g_guard)
        g_guard->SetDiscRoot(g_discRoot);
}
