#pragma once

#include <QString>

#include <string_view>

// The rules of a disc page's background music, as the browsers of the disc's day played it.
namespace music_rules {

// How the page asked for the music: a <bgsound>, or an <embed>/<object> of a MIDI file.
enum class MusicElement { BackgroundSound, Embed };

// How often the music plays, from the element's `loop` attribute: -1 without end. A <bgsound>
// plays without end for "infinite" or -1, n times for a count n, else once; an embed plays
// without end for "true" (as the plug-ins took it), "infinite" or -1, n times for a count, else
// once.
int MusicLoops(MusicElement element, const QString& loop);

// MIDI files of the time are a few kilobytes, a long one some hundreds; a page's "music" larger
// than this is no music and is not played.
inline constexpr qsizetype kMaxMusicBytes = 4 * 1024 * 1024;

// The Standard MIDI File in a page's music file, for the synthesizer: the file itself, or the one
// a RIFF MIDI file (.rmi) holds in its "data" chunk. Empty for anything else (and for a file over
// kMaxMusicBytes), which is left unplayed.
std::string_view StandardMidiFile(std::string_view bytes);

} // namespace music_rules
