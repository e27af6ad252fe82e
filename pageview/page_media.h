#pragma once

#include <QObject>
#include <QString>

class QWebChannel;
class QWebEnginePage;

// What the old media of a disc page ask of the program. The page's side (pageview/scripts/media/)
// finds them and talks to this object over the page's web channel, in a world of the program's
// own that the page's own scripts cannot reach: its background music, which the program plays
// and ends, and the video or applet archive the reader clicked, which the program opens from the
// disc as a launch button opens its target. The program checks everything it is told: music must
// be a MIDI file, a file to open a regular file the disc allows.
class TPageMedia final : public QObject {
    Q_OBJECT
public:
    explicit TPageMedia(QWebEnginePage& page);
    ~TPageMedia() override;

    // The page's MIDI file (its bytes, in Base64, as the page read them through the request
    // guard), with the element that asked for it ("bgsound" or "embed") and its loop attribute;
    // `document` names the document that asks, so that only it or its leaving ends the music.
    Q_INVOKABLE void playMusic(const QString& base64, const QString& element, const QString& loop,
                               const QString& document);
    Q_INVOKABLE void stopMusic(const QString& document);
    // How often a wave or MP3 file the page plays itself is played (pageview/music_rules.h).
    Q_INVOKABLE int musicLoops(const QString& element, const QString& loop) const;
    // The reader clicked the placeholder of a video or an applet archive at this address.
    Q_INVOKABLE void openFile(const QString& url);

private:
    QWebEnginePage& m_page;
    QWebChannel* m_channel;
};
