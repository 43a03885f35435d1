// The music's synthesizer, a module of its own (see Module.h).

#include "sound/FluidApi.h"
#include "sound/Module.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <malloc.h>

namespace {

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The synthesizer and its SoundFont: loading a font takes a tenth of a second or more, so it
// happens once, on the thread that loads this module (or with the first tune).
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
        // Only the samples of the instruments a tune selects are held (a few of the font's
        // hundreds): 5 MiB less. They are read when a tune selects them, at its start, and a
        // recording of each tune showed no gap and the same sound.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
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
        // Reading the font left megabytes of freed tables in the loading thread's heap: handed
        // back to the system, they no longer count against the game (2.5 MiB).
        malloc_trim(0);
    }
};

Engine& engine() {
    static Engine e;
    return e;
}

// One tune: its player, its own audio output, and the copy of the file the player reads.
struct Tune {
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    QByteArray file;

    ~Tune() {
        if (player)
            fluid_player_stop(player);
        // The output goes first, so that nothing renders while the player is taken apart.
        if (driver)
            delete_fluid_audio_driver(driver);
        if (player)
            delete_fluid_player(player);
        fluid_synth_system_reset(engine().synth); // no note of this tune hangs on into the next
    }
};

void* open(const char* midiFile, long size) {
    Engine& e = engine();
    if (!e.ready || size < 4 || QByteArray::fromRawData(midiFile, 4) != "MThd")
        return nullptr;
    auto* tune = new Tune;
    tune->file = QByteArray(midiFile, size);
    tune->player = new_fluid_player(e.synth);
    if (!tune->player || fluid_player_add_mem(tune->player, tune->file.constData(), tune->file.size()) != FLUID_OK) {
        delete tune;
        return nullptr;
    }
    // Without an audio output the player's clock would never run: such a tune cannot be opened.
    for (const char* name : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(e.settings, "audio.driver", name);
        if ((tune->driver = new_fluid_audio_driver(e.settings, e.synth)))
            break;
    }
    if (!tune->driver) {
        delete tune;
        return nullptr;
    }
    return tune;
}

fluid_player_t* player(const void* tune) {
    return static_cast<const Tune*>(tune)->player;
}

const FluidApi api = {
    FluidApi::Version,
    [] { engine(); },
    open,
    [](void* tune) { delete static_cast<Tune*>(tune); },
    [](void* tune) { fluid_player_play(player(tune)); },
    [](const void* tune) -> long { return fluid_player_get_total_ticks(player(tune)); },
    [](const void* tune) -> long { return fluid_player_get_current_tick(player(tune)); },
    [](const void* tune) { return fluid_player_get_status(player(tune)) == FLUID_PLAYER_PLAYING; },
    [](void* tune, long tick) { fluid_player_seek(player(tune), static_cast<int>(tick)); },
};

} // namespace

MIRVEL_MODULE_ENTRY const FluidApi* mirvel_fluid_api() {
    return &api;
}
