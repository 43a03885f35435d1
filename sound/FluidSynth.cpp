// The music's synthesizer, a module of its own (see Module.h).

#include "sound/FluidApi.h"
#include "sound/Module.h"
#include "sound/SoundFontSubset.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <alsa/asoundlib.h>
#include <cstring>
#include <fluidsynth.h>
#include <malloc.h>

namespace {

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The SoundFont as the synthesizer reads it: through a view with only the tunes' presets
// (sound/SoundFontSubset.h). The synthesizer opens the file again for each instrument's samples.
QByteArray g_viewedFont; // its file name, as given to the synthesizer
std::optional<soundfont::View> g_view;

struct ViewedFile {
    QFile file;
    qint64 at = 0;
};

void* openViewed(const char* name) {
    if (!g_view || g_viewedFont != name)
        return nullptr; // read as it is, by the synthesizer's own loader
    auto* f = new ViewedFile;
    f->file.setFileName(QFile::decodeName(name));
    if (!f->file.open(QIODevice::ReadOnly)) {
        delete f;
        return nullptr;
    }
    return f;
}

int readViewed(void* buffer, fluid_long_long_t count, void* handle) {
    auto* f = static_cast<ViewedFile*>(handle);
    const soundfont::View& v = *g_view;
    if (count < 0 || count > v.size() - f->at)
        return FLUID_FAILED;
    char* out = static_cast<char*>(buffer);
    while (count > 0) {
        qint64 n = 0;
        if (f->at < v.head.size()) { // the head, with the file's new size
            n = qMin<qint64>(count, v.head.size() - f->at);
            std::memcpy(out, v.head.constData() + f->at, n);
        } else if (f->at < v.fileUpTo) { // the file itself: its information and samples
            n = qMin<qint64>(count, v.fileUpTo - f->at);
            if (!f->file.seek(f->at) || f->file.read(out, n) != n)
                return FLUID_FAILED;
        } else { // the presets kept, and the instruments and samples' tables
            n = count;
            std::memcpy(out, v.tail.constData() + (f->at - v.fileUpTo), n);
        }
        out += n;
        f->at += n;
        count -= n;
    }
    return FLUID_OK;
}

int seekViewed(void* handle, fluid_long_long_t offset, int origin) {
    auto* f = static_cast<ViewedFile*>(handle);
    const qint64 to = origin == SEEK_SET ? offset : origin == SEEK_CUR ? f->at + offset : g_view->size() + offset;
    if (to < 0 || to > g_view->size())
        return FLUID_FAILED;
    f->at = to;
    return FLUID_OK;
}

fluid_long_long_t tellViewed(void* handle) {
    return static_cast<ViewedFile*>(handle)->at;
}

int closeViewed(void* handle) {
    delete static_cast<ViewedFile*>(handle);
    return FLUID_OK;
}

// Reads `font` through a view that keeps only `keep` of its presets, when it can.
void viewFont(fluid_synth_t* synth, fluid_settings_t* settings, const QString& font,
              const std::set<soundfont::Preset>& keep) {
    QFile file(font);
    if (keep.empty() || !file.open(QIODevice::ReadOnly))
        return;
    g_view = soundfont::presetsOnly(file, keep);
    if (!g_view)
        return;
    g_viewedFont = QFile::encodeName(font);
    static fluid_sfloader_t* const loader = [&] {
        fluid_sfloader_t* l = new_fluid_defsfloader(settings);
        fluid_sfloader_set_callbacks(l, openViewed, readViewed, seekViewed, tellViewed, closeViewed);
        fluid_synth_add_sfloader(synth, l); // tried first; a name it does not view goes on
        return l;
    }();
    (void)loader;
}

// The synthesizer and its SoundFont: loading a font takes a tenth of a second or more, so it
// happens once, on the thread that loads this module (or with the first tune).
struct Engine {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    bool ready = false;

    // With only the `keep` presets of its font (all of them when there are none).
    explicit Engine(const std::set<soundfont::Preset>& keep) {
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
            if (font.isEmpty() || !QFileInfo(font).isReadable())
                continue;
            viewFont(synth, settings, font, keep);
            if (fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) != FLUID_FAILED) {
                ready = true;
                break;
            }
        }
        // Reading the font left megabytes of freed tables in the loading thread's heap: handed
        // back to the system, they no longer count against the game (2.5 MiB).
        malloc_trim(0);
    }
};

// Made by the first call: with the presets `keep` when that is prepare's.
Engine& engine(const std::set<soundfont::Preset>& keep = {}) {
    static Engine e(keep);
    return e;
}

void prepare(const char* const* tunes, const long* sizes, int count) {
    std::set<soundfont::Preset> keep;
    for (int i = 0; i < count; ++i) {
        const std::set<soundfont::Preset> played =
            soundfont::presetsPlayed(QByteArray::fromRawData(tunes[i], sizes[i]));
        if (played.empty()) // a tune not understood: the whole font
            return void(engine());
        keep.insert(played.begin(), played.end());
    }
    engine(keep);
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
    prepare,
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
