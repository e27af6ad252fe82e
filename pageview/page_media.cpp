#include "pageview/page_media.h"

#include "pageview/background_music.h"
#include "pageview/disc_file_open.h"
#include "pageview/disc_request_guard.h"
#include "pageview/html_engine.h"
#include "pageview/music_rules.h"

#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include <filesystem>
#include <system_error>

TPageMedia::TPageMedia(QWebEnginePage& page)
    : QObject(&page), m_page(page), m_channel(new QWebChannel(this)) {
    m_channel->registerObject(QStringLiteral("media"), this);
    m_page.setWebChannel(m_channel, QWebEngineScript::ApplicationWorld);
    // The page's music is over once the reader leaves it: for another page, Back, or a reload.
    connect(&m_page, &QWebEnginePage::loadStarted, this, [this] { BackgroundMusic().Stop(this); });
    // Disc pages play their sound without waiting for a click, as they did then (a <bgsound> of
    // a wave file, a movie's sound); a web site shown in the view waits for the reader's.
    connect(&m_page, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        m_page.settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                                        !url.isLocalFile());
    });
}

TPageMedia::~TPageMedia() {
    BackgroundMusic().Stop(this);
}

namespace {
music_rules::MusicElement ElementOf(const QString& element) {
    return element == QLatin1String("bgsound") ? music_rules::MusicElement::BackgroundSound
                                               : music_rules::MusicElement::Embed;
}
} // namespace

void TPageMedia::playMusic(const QString& base64, const QString& element, const QString& loop,
                           const QString& document) {
    if (base64.size() > music_rules::kMaxMusicBytes / 3 * 4 + 4)
        return;
    BackgroundMusic().Play(QByteArray::fromBase64(base64.toLatin1()),
                           music_rules::MusicLoops(ElementOf(element), loop), this,
                           document.toStdString());
}

int TPageMedia::musicLoops(const QString& element, const QString& loop) const {
    return music_rules::MusicLoops(ElementOf(element), loop);
}

void TPageMedia::stopMusic(const QString& document) {
    BackgroundMusic().Stop(this, document.toStdString());
}

void TPageMedia::openFile(const QString& url) {
    // Only a regular file the disc allows, exactly as a clicked link to a disc file.
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isLocalFile())
        return;
    const DiscFileRequest request = ResolveDiscFileRequest(address, HtmlEngineDiscRoot());
    std::error_code error;
    if (request.allowed && std::filesystem::is_regular_file(request.found, error))
        OpenDiscFileInItsDirectory(request.found);
}
