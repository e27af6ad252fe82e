#pragma once

#include <QByteArray>

#include <memory>
#include <string>

// The one background music of the program: a disc page's MIDI file played through FluidSynth
// with the system's General MIDI soundfont, to the desktop's sound server. One page's music plays
// at a time: a new one takes the place of whatever played. The program, not the page, decides
// when it ends: when the page that started it is left or closed, and when the program quits.
class TBackgroundMusic final {
public:
    TBackgroundMusic();
    ~TBackgroundMusic();
    TBackgroundMusic(const TBackgroundMusic&) = delete;
    TBackgroundMusic& operator=(const TBackgroundMusic&) = delete;

    // Plays a Standard MIDI File `loops` times (-1: without end) for `owner` (a page) and its
    // document. False when it cannot play: no soundfont, no sound output, or no MIDI file.
    bool Play(const QByteArray& midi, int loops, const void* owner, const std::string& document);
    // Ends the music if it is the owner's (and, when one is named, the document's).
    void Stop(const void* owner, const std::string& document = {});
    bool Playing() const;

private:
    struct Synth;
    void End();

    std::unique_ptr<Synth> m_synth; // made at the first music: the soundfont is read once
    const void* m_owner = nullptr;
    std::string m_document;
};

// The program's one player; EndBackgroundMusic silences it and gives its sound output back (at
// quit, with the engine).
TBackgroundMusic& BackgroundMusic();
void EndBackgroundMusic();
