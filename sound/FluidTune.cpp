#include "sound/FluidTune.h"

#include <QFileInfo>
#include <QStringList>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace {

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The synthesizer and its SoundFont: loading a font takes a tenth of a second or more, so it
// happens once, when the first tune is opened.
struct Engine {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    bool ready = false;

    Engine() {
        // A missing sound server is no news for the terminal: the tune is simply not heard.
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(quietAlsa); // ALSA, the fallback output, speaks for itself
        settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.gain", 0.6);
        // A light, dry synthesizer: a background tune must not cost the game its smoothness.
        fluid_settings_setint(settings, "synth.reverb.active", 0);
        fluid_settings_setint(settings, "synth.chorus.active", 0);
        fluid_settings_setnum(settings, "synth.sample-rate", 44100);
        fluid_settings_setint(settings, "synth.polyphony", 64);
        fluid_settings_setint(settings, "audio.period-size", 1024); // few, large writes
        fluid_settings_setint(settings, "audio.periods", 4);
        synth = new_fluid_synth(settings);
        char* configured = nullptr;
        fluid_settings_dupstr(settings, "synth.default-soundfont", &configured);
        QStringList fonts = {QString::fromLocal8Bit(configured ? configured : "")};
        fluid_free(configured);
        fonts << QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")
              << QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3")
              << QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")
              << QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");
        for (const QString& font : fonts) {
            if (!font.isEmpty() && QFileInfo(font).isReadable() &&
                fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) != FLUID_FAILED) {
                ready = true;
                break;
            }
        }
    }
};

Engine& engine() {
    static Engine e;
    return e;
}

} // namespace

struct FluidTune::Parts {
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    QByteArray file; // the player reads from this copy, so the file on disk may change
};

std::unique_ptr<FluidTune> FluidTune::open(const QByteArray& midiFile) {
    Engine& e = engine();
    if (!e.ready || !midiFile.startsWith("MThd"))
        return nullptr;
    std::unique_ptr<FluidTune> tune(new FluidTune);
    tune->m = std::make_unique<Parts>();
    Parts& p = *tune->m;
    p.file = midiFile;
    p.player = new_fluid_player(e.synth);
    if (!p.player || fluid_player_add_mem(p.player, p.file.constData(), p.file.size()) != FLUID_OK)
        return nullptr;
    // Without an audio output the player's clock would never run: such a tune cannot be opened.
    for (const char* name : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(e.settings, "audio.driver", name);
        if ((p.driver = new_fluid_audio_driver(e.settings, e.synth)))
            break;
    }
    if (!p.driver)
        return nullptr;
    return tune;
}

FluidTune::~FluidTune() {
    if (!m)
        return;
    if (m->player)
        fluid_player_stop(m->player);
    // The output goes first, so that nothing renders while the player is taken apart.
    if (m->driver)
        delete_fluid_audio_driver(m->driver);
    if (m->player)
        delete_fluid_player(m->player);
    fluid_synth_system_reset(engine().synth); // no note of this tune hangs on into the next
}

void FluidTune::play() {
    fluid_player_play(m->player);
}

long FluidTune::length() const {
    return fluid_player_get_total_ticks(m->player);
}

long FluidTune::position() const {
    return fluid_player_get_current_tick(m->player);
}

bool FluidTune::playing() const {
    return fluid_player_get_status(m->player) == FLUID_PLAYER_PLAYING;
}

void FluidTune::seek(long tick) {
    fluid_player_seek(m->player, static_cast<int>(tick));
}
