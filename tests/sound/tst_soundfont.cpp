// The SoundFont seen with only the presets the tunes play: which presets a tune plays, the view
// of a font, and the tunes rendered by the real synthesizer through it, sample for sample.

#include "shell/Resources.h"
#include "sound/SoundFontSubset.h"
#include "support/Scenario.h"
#include "support/Table.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <fluidsynth.h>

using namespace Qt::StringLiterals;
using soundfont::Preset;

namespace {

const QString GmFont = u"/usr/share/sounds/sf2/TimGM6mb.sf2"_s;

QByteArray chunk(const QByteArray& id, const QByteArray& body) { // as MIDI files have them
    QByteArray size(4, '\0');
    qToBigEndian<quint32>(body.size(), size.data());
    return id + size + body;
}

// A Standard MIDI File of format 1 with these tracks.
QByteArray midi(const QList<QByteArray>& tracks) {
    QByteArray file = chunk("MThd", QByteArray::fromHex("000100") + char(tracks.size()) + "\x01\xe0");
    for (const QByteArray& events : tracks)
        file += chunk("MTrk", events);
    return file;
}

std::optional<soundfont::View> viewOf(QByteArray file, const std::set<Preset>& keep) {
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    return soundfont::presetsOnly(buffer, keep);
}

// A tune rendered whole by fluidsynth as Mirvel sets it up, at 22050 Hz, 16-bit stereo.
QByteArray render(const QString& fontFile, const QByteArray& tune) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 22050);
    fluid_settings_setnum(settings, "synth.gain", 0.6);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.polyphony", 64);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    QByteArray out;
    if (fluid_synth_sfload(synth, QFile::encodeName(fontFile).constData(), 1) != FLUID_FAILED) {
        fluid_player_t* player = new_fluid_player(synth);
        fluid_player_add_mem(player, tune.constData(), tune.size());
        fluid_player_play(player);
        QByteArray block(qsizetype(1024) * 4, '\0');
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && out.size() < qsizetype(22050) * 4 * 200) {
            fluid_synth_write_s16(synth, 1024, block.data(), 0, 2, block.data(), 1, 2);
            out += block;
        }
        delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

} // namespace

class TestSoundFont : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        initResources();
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    }

    void presetsPlayed_data() { addTableRows(u"midi-presets"_s); }
    void presetsPlayed() {
        QFETCH(Row, row);
        QList<QByteArray> tracks;
        for (const QString& track : row["tracks"].split(u' '))
            tracks << QByteArray::fromHex(track.toLatin1());
        QStringList played;
        for (const Preset& p : soundfont::presetsPlayed(changed(midi(tracks), row["change"])))
            played << u"%1:%2"_s.arg(p.bank).arg(p.program);
        QCOMPARE(played.join(u' '), row["presets"]);
    }

    void aFontNotUnderstoodIsReadAsItIs() {
        const QByteArray file = readFile(GmFont);
        if (file.isEmpty())
            QSKIP("no General MIDI SoundFont (timgm6mb-soundfont)");
        const std::set<Preset> piano{Preset{0, 0}};
        QVERIFY(viewOf(file, piano));
        QVERIFY(!viewOf(file, {Preset{5, 99}})); // none of its presets
        QVERIFY(!viewOf(file, {}));
        QVERIFY(!viewOf(file.chopped(1000), piano)); // cut short
        QByteArray badZone = file;                   // the last preset's zones end past the zones
        const qsizetype end = badZone.indexOf("pbag") - 38;
        qToLittleEndian<quint16>(0xFFFF, badZone.data() + end + 24);
        QVERIFY(!viewOf(badZone, piano));
        QVERIFY(!viewOf(QByteArray("RIFF\x04\0\0\0sfbk", 12), piano));
    }

    // Each tune, rendered whole through the view that keeps only its presets, is the same to
    // the sample as through the whole font.
    void theTunesSoundTheSame() {
        const QByteArray file = readFile(GmFont);
        if (file.isEmpty())
            QSKIP("no General MIDI SoundFont (timgm6mb-soundfont)");
        QTemporaryDir dir;
        const QString subset = dir.filePath(u"subset.sf2"_s);
        for (int id = 101; id <= 103; ++id) {
            const QByteArray tune = readFile(u":/midi/%1"_s.arg(id));
            QVERIFY(!tune.isEmpty());
            const std::optional<soundfont::View> view = viewOf(file, soundfont::presetsPlayed(tune));
            QVERIFY(view && view->size() < file.size() - 5000); // most presets left out
            writeFile(subset, view->head + file.mid(12, view->fileUpTo - 12) + view->tail);
            const QByteArray expected = render(GmFont, tune);
            QVERIFY2(expected.size() > qsizetype(22050) * 4 * 60, "the whole tune, over a minute");
            QVERIFY2(expected.count('\0') < expected.size() * 0.9, "the whole font sounds");
            QVERIFY2(render(subset, tune) == expected, qPrintable(u"tune %1"_s.arg(id)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundFont)
#include "tst_soundfont.moc"
