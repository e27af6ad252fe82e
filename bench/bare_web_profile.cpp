#include "bench/bare_web_profile.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

QWebEngineProfile* MakeBareProfile(QObject* parent) {
    auto* profile = new QWebEngineProfile(parent); // no storage name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings& settings = *profile->settings();
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings.setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    return profile;
}
