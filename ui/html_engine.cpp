#include "ui/html_engine.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {
QWebEngineProfile* g_profile = nullptr;
}

void StartHtmlEngine() {
    if (g_profile)
        return;
    g_profile = new QWebEngineProfile(); // no storage name: off the record
    g_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    g_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
}

void StopHtmlEngine() {
    delete g_profile;
    g_profile = nullptr;
}

QWebEngineProfile* HtmlEngineProfile() {
    StartHtmlEngine();
    return g_profile;
}
