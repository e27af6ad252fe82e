// The rules of a disc page's old media: which addresses of the players' scheme reach a file, how
// often its music plays, and which bytes are music at all.

#include "pageview/music_rules.h"
#include "pageview/player_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PlayerFiles, OnlyThePlayersOwnFilesAndTheNamedFontAreServed) {
    const struct {
        const char* url;
        const char* path; // nullptr: nothing served
        const char* mimeType;
    } cases[] = {
        {"quilcd-player://ruffle/ruffle.js", ":/player/ruffle/ruffle.js", "text/javascript"},
        {"quilcd-player://ruffle/core.ruffle.0123abcd.js",
         ":/player/ruffle/core.ruffle.0123abcd.js", "text/javascript"},
        {"quilcd-player://ruffle/4567ef.wasm", ":/player/ruffle/4567ef.wasm", "application/wasm"},
        {"quilcd-player://ruffle/ruffle.js?v=1", ":/player/ruffle/ruffle.js", "text/javascript"},
        {"quilcd-player://fonts/gothic", "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
         "font/ttf"},
        // Nothing but a plain name of a script or WebAssembly, or a named font.
        {"quilcd-player://ruffle/ruffle.js.map", nullptr, nullptr},
        {"quilcd-player://ruffle/../scripts/era/identity.js", nullptr, nullptr},
        {"quilcd-player://ruffle/%2E%2E%2Fpageview%2Fx.js", nullptr, nullptr},
        {"quilcd-player://ruffle/sub/ruffle.js", nullptr, nullptr},
        {"quilcd-player://ruffle/.hidden.js", nullptr, nullptr},
        {"quilcd-player://ruffle/", nullptr, nullptr},
        {"quilcd-player://fonts/ipagp.ttf", nullptr, nullptr},
        {"quilcd-player://fonts/..%2F..%2Fetc%2Fpasswd", nullptr, nullptr},
        {"quilcd-player://elsewhere/ruffle.js", nullptr, nullptr},
        {"quilcd-player://user@ruffle/ruffle.js", nullptr, nullptr},
        {"quilcd-player://ruffle:80/ruffle.js", nullptr, nullptr},
        {"file:///player/ruffle/ruffle.js", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto file = player_files::PlayerFileFor(QUrl::fromEncoded(c.url));
        if (!c.path) {
            EXPECT_FALSE(file) << c.url << " reaches " << file->path.toStdString();
            continue;
        }
        ASSERT_TRUE(file) << c.url;
        EXPECT_EQ(file->path.toStdString(), c.path) << c.url;
        EXPECT_EQ(file->mimeType.toStdString(), c.mimeType) << c.url;
    }
}

TEST(MusicRules, LoopAttributesCountAsTheBrowsersOfTheDayCountedThem) {
    using music_rules::MusicElement;
    const struct {
        MusicElement element;
        const char* loop;
        int loops;
    } cases[] = {
        {MusicElement::BackgroundSound, "infinite", -1},
        {MusicElement::BackgroundSound, " INFINITE ", -1},
        {MusicElement::BackgroundSound, "-1", -1},
        {MusicElement::BackgroundSound, "3", 3},
        {MusicElement::BackgroundSound, "", 1},
        {MusicElement::BackgroundSound, "0", 1},
        {MusicElement::BackgroundSound, "-5", 1},
        {MusicElement::BackgroundSound, "true", 1}, // only an embed took "true"
        {MusicElement::BackgroundSound, "lots", 1},
        {MusicElement::Embed, "true", -1},
        {MusicElement::Embed, "TRUE", -1},
        {MusicElement::Embed, "infinite", -1},
        {MusicElement::Embed, "false", 1},
        {MusicElement::Embed, "2", 2},
        {MusicElement::Embed, "", 1},
        {MusicElement::Embed, "99999999999", 1}, // no count an int holds
    };
    for (const auto& c : cases)
        EXPECT_EQ(music_rules::MusicLoops(c.element, QString::fromLatin1(c.loop)), c.loops)
            << (c.element == MusicElement::Embed ? "embed" : "bgsound") << " loop=\"" << c.loop
            << '"';
}

std::string Riff(const std::string& chunks) {
    const std::string body = "RMID" + chunks;
    const auto size = static_cast<unsigned>(body.size());
    return std::string("RIFF") + char(size & 0xFF) + char(size >> 8 & 0xFF) +
           char(size >> 16 & 0xFF) + char(size >> 24) + body;
}

TEST(MusicRules, OnlyAMidiFileOrTheOneARiffFileHoldsIsGivenToTheSynthesizer) {
    const std::string midi = std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) + "MTrk";
    const std::string data = std::string("data\x12\0\0\0", 8);
    const struct {
        const char* what;
        std::string bytes;
        std::string music;
    } cases[] = {
        {"a Standard MIDI File", midi, midi},
        {"a RIFF MIDI file", Riff(data + midi), midi},
        {"a RIFF MIDI file with a chunk before its data",
         Riff(std::string("LIST\0\0\0\0", 8) + data + midi), midi},
        {"a RIFF MIDI file whose data is no MIDI file", Riff(data + "junkjunk"), ""},
        {"a RIFF MIDI file cut in its data chunk", Riff("data\x12"), ""},
        {"a RIFF file of another kind", std::string("RIFF\4\0\0\0WAVEdata") + midi, ""},
        {"a Flash movie", "FWS\6", ""},
        {"nothing", "", ""},
        {"music larger than any of its day",
         midi + std::string(static_cast<std::size_t>(music_rules::kMaxMusicBytes), '\0'), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(music_rules::StandardMidiFile(c.bytes), c.music) << c.what;
}

} // namespace
