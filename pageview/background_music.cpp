#include "pageview/background_music.h"

#include "pageview/music_rules.h"

#include <fluidsynth.h>

#include <filesystem>
#include <system_error>

namespace {

// The system's General MIDI soundfonts, the default chosen on the system first; the package
// depends on timgm6mb-soundfont, TiMidity++'s small one.
constexpr const char* kSoundfonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// The desktop's sound server first (PulseAudio, or PipeWire speaking its protocol), then
// PipeWire's own and the sound card itself.
constexpr const char* kAudioDrivers[] = {"pulseaudio", "pipewire", "alsa"};

// FluidSynth tells of every MIDI file it cannot read; a disc's broken music is not the program's
// failure, and a program started from a disc prints nothing unless it has something wrong.
void QuietFluidSynth() {
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

} // namespace

struct TBackgroundMusic::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* output = nullptr;
    bool soundfont = false;

    Synth() {
        QuietFluidSynth();
        settings = new_fluid_settings();
        // The plug-ins of the day played General MIDI at a modest level beside the page.
        fluid_settings_setnum(settings, "synth.gain", 0.5);
        synth = new_fluid_synth(settings);
        for (const char* file : kSoundfonts) {
            std::error_code error;
            if (std::filesystem::is_regular_file(file, error) &&
                fluid_synth_sfload(synth, file, 1) != FLUID_FAILED) {
                soundfont = true;
                break;
            }
        }
    }
    ~Synth() {
        Silence();
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }

    bool Start(std::string_view midi, int loops) {
        player = new_fluid_player(synth);
        if (!player || fluid_player_add_mem(player, midi.data(), midi.size()) != FLUID_OK) {
            Silence();
            return false;
        }
        fluid_player_set_loop(player, loops);
        fluid_player_play(player);
        for (const char* driver : kAudioDrivers) {
            fluid_settings_setstr(settings, "audio.driver", driver);
            output = new_fluid_audio_driver(settings, synth);
            if (output)
                return true;
        }
        Silence();
        return false;
    }

    // The sound output goes first, so that nothing renders while the player goes.
    void Silence() {
        if (output)
            delete_fluid_audio_driver(output);
        output = nullptr;
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        player = nullptr;
        fluid_synth_system_reset(synth);
    }
};

TBackgroundMusic::TBackgroundMusic() = default;

TBackgroundMusic::~TBackgroundMusic() = default;

bool TBackgroundMusic::Play(const QByteArray& midi, int loops, const void* owner,
                            const std::string& document) {
    End();
    const std::string_view file =
        music_rules::StandardMidiFile(std::string_view(midi.constData(), midi.size()));
    if (file.empty())
        return false;
    if (!m_synth)
        m_synth = std::make_unique<Synth>();
    if (!m_synth->soundfont || !m_synth->Start(file, loops))
        return false;
    m_owner = owner;
    m_document = document;
    return true;
}

void TBackgroundMusic::Stop(const void* owner, const std::string& document) {
    if (owner == m_owner && (document.empty() || document == m_document))
        End();
}

bool TBackgroundMusic::Playing() const {
    return m_owner != nullptr;
}

void TBackgroundMusic::End() {
    if (m_synth)
        m_synth->Silence();
    m_owner = nullptr;
    m_document.clear();
}

namespace {
std::unique_ptr<TBackgroundMusic>& Music() {
    static std::unique_ptr<TBackgroundMusic> music;
    return music;
}
} // namespace

TBackgroundMusic& BackgroundMusic() {
    if (!Music())
        Music() = std::make_unique<TBackgroundMusic>();
    return *Music();
}

void EndBackgroundMusic() {
    Music().reset();
}
