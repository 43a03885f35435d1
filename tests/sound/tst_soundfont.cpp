// The SoundFont seen with only the presets the tunes play: which presets a tune plays, the view
// of a font, and the tunes rendered by the real synthesizer through it, sample for sample.

#include "shell/Resources.h"
#include "sound/SoundFontSubset.h"

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

QByteArray le(quint32 value, int bytes) {
    QByteArray b(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        b[i] = char(value >> (8 * i));
    return b;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body, bool bigEndian = false) {
    QByteArray size(4, '\0');
    bigEndian ? qToBigEndian<quint32>(body.size(), size.data()) : qToLittleEndian<quint32>(body.size(), size.data());
    return id + size + body;
}

// A Standard MIDI File of format 1 with these tracks' events (each event after a zero delta).
QByteArray midi(const QList<QByteArray>& tracks) {
    QByteArray file = chunk("MThd", QByteArray::fromHex("0001") + le(0, 1) + char(tracks.size()) + "\x01\xe0", true);
    for (const QByteArray& events : tracks)
        file += chunk("MTrk", events + QByteArray::fromHex("00ff2f00"), true);
    return file;
}

std::set<Preset> presets(std::initializer_list<std::pair<int, int>> list) {
    std::set<Preset> s;
    for (auto [bank, program] : list)
        s.insert({bank, program});
    return s;
}

// A small font: presets "p<program>" of bank 0, one zone each (one generator, one modulator).
QByteArray font(const QList<int>& programs) {
    QByteArray phdr, pbag, pmod, pgen;
    for (int i = 0; i < programs.size(); ++i) {
        phdr += QByteArray("p" + QByteArray::number(programs[i])).leftJustified(20, '\0') + le(programs[i], 2) +
                le(0, 2) + le(i, 2) + le(0, 12);
        pbag += le(i, 2) + le(i, 2);
        pmod += le(i + 1, 10);
        pgen += le(41, 2) + le(i, 2);
    }
    phdr += QByteArray("EOP").leftJustified(20, '\0') + le(0, 4) + le(programs.size(), 2) + le(0, 12);
    pbag += le(programs.size(), 2) + le(programs.size(), 2);
    pmod += le(0, 10);
    pgen += le(0, 4);
    QByteArray pdta = "pdta";
    for (const auto& [id, body] : {std::pair<QByteArray, QByteArray>{"phdr", phdr},
                                   {"pbag", pbag},
                                   {"pmod", pmod},
                                   {"pgen", pgen},
                                   {"inst", QByteArray(44, 'i')},
                                   {"ibag", le(0, 8)},
                                   {"imod", le(0, 10)},
                                   {"igen", le(0, 4)},
                                   {"shdr", QByteArray(46, 's')}})
        pdta += chunk(id, body);
    const QByteArray body = "sfbk" + chunk("LIST", "INFO" + chunk("ifil", le(0x10002, 4))) +
                            chunk("LIST", "sdta" + chunk("smpl", QByteArray(64, 'x'))) + chunk("LIST", pdta);
    return chunk("RIFF", body);
}

QByteArray viewed(const QByteArray& file, const soundfont::View& view) {
    return view.head + file.mid(view.head.size(), view.fileUpTo - view.head.size()) + view.tail;
}

// The preset names of a font's bytes, by its own view that keeps everything.
QStringList presetNames(const QByteArray& file) {
    const qsizetype at = file.indexOf("phdr");
    const quint32 size = qFromLittleEndian<quint32>(file.constData() + at + 4);
    QStringList names;
    for (qsizetype p = at + 8; p < at + 8 + size; p += 38)
        names << QString::fromLatin1(file.mid(p, 20)).remove(QChar(u'\0'));
    return names;
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

    void presetsPlayed_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<std::set<Preset>>("presets");
        const QByteArray on = QByteArray::fromHex("00933c40"), off = QByteArray::fromHex("00933c00");
        // A program chosen in one track holds for another's notes: both are kept.
        QTest::newRow("tracks") << midi({QByteArray::fromHex("00c328"), on}) << presets({{0, 0}, {0, 40}});
        QTest::newRow("running status") << midi({QByteArray::fromHex("00c305") + on + QByteArray::fromHex("003e40")})
                                        << presets({{0, 0}, {0, 5}});
        QTest::newRow("a note off only") << midi({QByteArray::fromHex("00c305") + off}) << std::set<Preset>{};
        QTest::newRow("no note") << midi({QByteArray::fromHex("00c305")}) << std::set<Preset>{};
        QTest::newRow("drums") << midi({QByteArray::fromHex("00c91900993c40")}) << presets({{128, 0}, {128, 25}});
        QTest::newRow("bank") << midi({QByteArray::fromHex("00b3000800c305") + on})
                              << presets({{0, 0}, {0, 5}, {8, 0}, {8, 5}});
        QTest::newRow("meta and sysex") << midi({QByteArray::fromHex("00ff030141") + QByteArray::fromHex("00f0027e7f") +
                                                 on})
                                        << presets({{0, 0}});
        QTest::newRow("not a midi file") << QByteArray("RIFF0000") << std::set<Preset>{};
        QTest::newRow("track past the end") << midi({on}).chopped(3) << std::set<Preset>{};
        QTest::newRow("running status at the start") << midi({QByteArray::fromHex("003c40")}) << std::set<Preset>{};
        QTest::newRow("an event cut short")
            << midi({}) + chunk("MTrk", QByteArray::fromHex("00c3"), true) << std::set<Preset>{};
        QTest::newRow("a status for data") << midi({QByteArray::fromHex("00c3c5") + on}) << std::set<Preset>{};
        QTest::newRow("a delta of five bytes") << midi({QByteArray::fromHex("8080808000") + on}) << std::set<Preset>{};
    }
    void presetsPlayed() {
        QFETCH(QByteArray, file);
        QFETCH(std::set<Preset>, presets);
        QVERIFY(soundfont::presetsPlayed(file) == presets);
    }

    void aViewKeepsThePresetsAsked() {
        const QByteArray file = font({0, 5, 40});
        const std::optional<soundfont::View> view = viewOf(file, presets({{0, 40}, {0, 0}, {0, 99}}));
        QVERIFY(view);
        const QByteArray seen = viewed(file, *view);
        QCOMPARE(seen.size(), view->size());
        QCOMPARE(qFromLittleEndian<quint32>(seen.constData() + 4), quint32(seen.size() - 8));
        QCOMPARE(presetNames(seen), (QStringList{u"p0"_s, u"p40"_s, u"EOP"_s}));
        // p40's zone is the second now, with the generator that names its instrument (2).
        const qsizetype phdr = seen.indexOf("phdr") + 8, pbag = seen.indexOf("pbag") + 8;
        const qsizetype pgen = seen.indexOf("pgen") + 8;
        QCOMPARE(qFromLittleEndian<quint16>(seen.constData() + phdr + 38 + 24), quint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(seen.constData() + pbag + 4), quint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(seen.constData() + pgen + 4 + 2), quint16(2));
        QCOMPARE(qFromLittleEndian<quint16>(seen.constData() + phdr + qsizetype(2) * 38 + 24), quint16(2));
        // The rest of the font, samples included, as it was.
        QCOMPARE(seen.mid(seen.indexOf("inst")), file.mid(file.indexOf("inst")));
        QCOMPARE(seen.left(view->fileUpTo).mid(8), file.left(view->fileUpTo).mid(8));
    }

    void aFontNotUnderstoodIsReadAsItIs() {
        const QByteArray file = font({0, 5});
        QVERIFY(!viewOf(file, presets({{0, 7}})));                        // none of its presets
        QVERIFY(!viewOf(file, {}));                                       // none asked
        QVERIFY(!viewOf(file.left(file.size() - 60), presets({{0, 5}}))); // cut short
        QByteArray badZone = file;
        const qsizetype phdr = badZone.indexOf("phdr") + 8;
        qToLittleEndian<quint16>(9, badZone.data() + phdr + qsizetype(2) * 38 + 24); // the end's zone past the zones
        QVERIFY(!viewOf(badZone, presets({{0, 5}})));
        QByteArray noPresets = file;
        noPresets.replace("pgen", "xgen");
        QVERIFY(!viewOf(noPresets, presets({{0, 5}})));
        QVERIFY(!viewOf(QByteArray("RIFF\x04\0\0\0sfbk", 12), presets({{0, 5}})));
    }

    // Each tune, rendered whole through the view that keeps only its presets, is the same to
    // the sample as through the whole font.
    void theTunesSoundTheSame() {
        if (!QFile::exists(GmFont))
            QSKIP("no General MIDI SoundFont (timgm6mb-soundfont)");
        QFile whole(GmFont);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray file = whole.readAll();
        QTemporaryDir dir;
        for (int id = 101; id <= 103; ++id) {
            QFile tuneFile(u":/midi/%1"_s.arg(id));
            QVERIFY(tuneFile.open(QIODevice::ReadOnly));
            const QByteArray tune = tuneFile.readAll();
            const std::optional<soundfont::View> view = viewOf(file, soundfont::presetsPlayed(tune));
            QVERIFY(view);
            QVERIFY(presetNames(viewed(file, *view)).size() < 12);
            QFile subset(dir.filePath(u"subset.sf2"_s));
            QVERIFY(subset.open(QIODevice::WriteOnly | QIODevice::Truncate));
            subset.write(viewed(file, *view));
            subset.close();
            const QByteArray expected = render(GmFont, tune);
            QVERIFY2(expected.size() > qsizetype(22050) * 4 * 60, "the whole tune, over a minute");
            QVERIFY2(expected.count('\0') < expected.size() * 0.9, "the whole font sounds");
            QVERIFY2(render(subset.fileName(), tune) == expected, qPrintable(u"tune %1"_s.arg(id)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundFont)
#include "tst_soundfont.moc"
