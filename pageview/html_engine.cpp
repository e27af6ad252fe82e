#include "pageview/html_engine.h"

#include "content/disc_confinement.h"
#include "pageview/background_music.h"
#include "pageview/disc_file_scheme.h"
#include "pageview/disc_file_scheme_handler.h"
#include "pageview/disc_page_scripts.h"
#include "pageview/disc_request_guard.h"
#include "pageview/player_scheme.h"
#include "pageview/web_page_view.h"

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
    // An address the engine cannot show (mailto:, an application's own scheme) is put to the
    // page only when the reader clicked it; the page view hands a mail address to the desktop
    // and refuses the rest, so that no page starts a program through a scheme. A page on a view
    // without that answer would have the desktop start anything, so every view of this profile
    // is a TWebPageView.
    settings.setUnknownUrlSchemePolicy(
        QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
    // A page opens a window (a pop-up, a new browser window) only on the reader's click, as the
    // browsers of the disc's day let it; one it opens on load or on a timer is never shown.
    settings.setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
}
} // namespace

void StartHtmlEngine() {
    if (g_profile)
        return;
    // The view draws through Qt Quick, which would keep its compiled shaders under the reader's
    // home (~/.cache/qtshadercache-*); the disc leaves nothing there.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    // The players' scheme is known to the engine before its first profile.
    RegisterPlayerScheme();
    g_profile = new QWebEngineProfile(); // no storage name: off the record
    g_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    g_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    SetUpPageSettings(*g_profile->settings());
    InstallDiscPageScripts(*g_profile);
    ServePlayerFiles(*g_profile);
    g_guard = new TDiscRequestGuard(g_profile);
    g_guard->SetDiscRoot(g_discRoot);
    g_profile->setUrlRequestInterceptor(g_guard);
    // A program that registered the scheme before its application object has pages wait for a
    // file still in a disc image there, not in the guard.
    if (DiscFileSchemeRegistered())
        g_profile->installUrlSchemeHandler(kDiscFileScheme,
                                           new TDiscFileSchemeHandler(*g_guard, g_profile));
    // Nothing is ever saved from a page; a disc file the reader clicked is opened from the disc
    // by the page view's links, which are told after this.
    QObject::connect(g_profile, &QWebEngineProfile::downloadRequested, g_profile,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
}

void StopHtmlEngine() {
    // The music of the last page ends with the program.
    EndBackgroundMusic();
    delete g_profile;
    g_profile = nullptr;
    g_guard = nullptr;
}

std::unique_ptr<TPageView> NewDiscPageView(QWidget* parent) {
    StartHtmlEngine();
    return std::make_unique<TWebPageView>(g_profile, parent);
}

const std::string& HtmlEngineDiscRoot() {
    return g_discRoot;
}

void ConfineHtmlEngineToDisc(const std::string& nativeHtmlDir) {
    g_discRoot = content::DiscRootOf(nativeHtmlDir);
    if (g_guard)
        g_guard->SetDiscRoot(g_discRoot);
}
