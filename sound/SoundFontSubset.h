#pragma once
// A General MIDI SoundFont holds some two hundred presets, and the synthesizer keeps tables of
// about 2 KiB for every zone of every one of them (4 to 5 MiB), though a tune plays a handful.
// Here a font is seen as the same file with only the presets that given tunes play: the same
// samples and instruments, fewer presets. The synthesizer reads the file through this view
// (sound/FluidSynth.cpp).

#include <QByteArray>
#include <QList>
#include <optional>
#include <set>

class QIODevice;

namespace soundfont {

struct Preset {
    int bank = 0; // 128: the drum kits
    int program = 0;
    auto operator<=>(const Preset&) const = default;
};

// The presets a Standard MIDI File may sound with, whatever the order of its tracks: for each
// channel that plays a note, its first preset and each one selected on it, and the preset a
// synthesizer falls back on when a bank lacks it. Nothing when the file is not one.
std::set<Preset> presetsPlayed(const QByteArray& midiFile);

// A font file as the synthesizer is to read it: its first `head.size()` bytes replaced by
// `head`, then the file itself up to `fileUpTo`, then `tail`.
struct View {
    QByteArray head;
    qint64 fileUpTo = 0;
    QByteArray tail;
    qint64 size() const { return fileUpTo + tail.size(); }
};

// The view of `font` (an SF2 or SF3 file, open for reading) that keeps only `keep` of its
// presets; nothing when it does not hold one of them, or is not a font this understands (it is
// then read as it is).
std::optional<View> presetsOnly(QIODevice& font, const std::set<Preset>& keep);

} // namespace soundfont
