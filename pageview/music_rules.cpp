#include "pageview/music_rules.h"

namespace music_rules {

int MusicLoops(MusicElement element, const QString& loop) {
    const QString word = loop.trimmed().toLower();
    if (word == QLatin1String("infinite") ||
        (element == MusicElement::Embed && word == QLatin1String("true")))
        return -1;
    bool number = false;
    const int count = word.toInt(&number);
    if (number && count == -1)
        return -1;
    return number && count > 0 ? count : 1;
}

std::string_view StandardMidiFile(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(kMaxMusicBytes))
        return {};
    if (bytes.starts_with("MThd"))
        return bytes;
    // A RIFF MIDI file: "RIFF", its size, "RMID", then chunks; the "data" chunk (its tag, its
    // size) holds the MIDI file.
    if (bytes.size() < 20 || !bytes.starts_with("RIFF") || bytes.substr(8, 4) != "RMID")
        return {};
    const std::size_t data = bytes.find("data", 12);
    if (data == std::string_view::npos || data + 12 > bytes.size() ||
        bytes.substr(data + 8, 4) != "MThd")
        return {};
    return bytes.substr(data + 8);
}

} // namespace music_rules
