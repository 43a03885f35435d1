// Guards sound and music. Run by tests/sound/heard.sh it checks by ear as well, in what the
// server's sink played; without a server the same steps must pass silently: no sound, no message.
// The effects' switch, a closed temporary folder and the tune after the error dialog are rows of
// play.tsv.

#include "sound/AudioApi.h"
#include "sound/MciCommand.h"
#include "sound/MidiDevice.h"
#include "sound/Module.h"
#include "sound/Sound.h"
#include "sound/WaveOut.h"
#include "support/Scenario.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSemaphore>
#include <QSet>
#include <QtEndian>

namespace {
const QString Heard = qEnvironmentVariable("MIRVEL_HEAR"); // the sink's recording, if heard

QString status(const QString& item) {
    QString answer;
    const int code = mciSendString(u"status midi "_s + item, &answer);
    return code ? u"error %1"_s.arg(code) : answer;
}
// The recording's length in samples (8000 a second): the mark of this moment.
qint64 now() {
    return QFileInfo(Heard).size() / 2;
}
// Until the recording holds `ms` more than at `mark`: the sink is recorded as it plays, so a
// slow machine only waits longer. Without a sound server, at once.
void hear(qint64 mark, int ms) {
    if (!Heard.isEmpty())
        QVERIFY(QTest::qWaitFor([&] { return now() >= mark + 8LL * ms; }, ms + 20000));
}
// How many 10 ms windows of the `ms` after `mark` are louder than a whisper.
int loud(qint64 mark, int ms) {
    QFile f(Heard);
    const QByteArray pcm = f.open(QIODevice::ReadOnly) && f.seek(2 * mark) ? f.read(16LL * ms) : QByteArray();
    int windows = 0;
    for (qsizetype w = 0; w + 160 <= pcm.size(); w += 160) {
        double sum = 0;
        for (qsizetype i = w; i < w + 160; i += 2)
            sum += std::pow(qFromLittleEndian<qint16>(pcm.constData() + i) / 32768.0, 2);
        windows += std::sqrt(sum / 80) > 0.01;
    }
    return windows;
}

// Starts loading the effects' module and holds it, loaded but not ready: `loaded` is released
// then, and the load goes on once `ready` is.
void holdTheEffectsModule(QSemaphore& loaded, QSemaphore& ready) {
    module::g_afterLoad = [&](const char* file) {
        if (file == std::string_view(AudioApi::File)) {
            loaded.release();
            ready.acquire();
        }
    };
    hear(now(), 2500);
    WaveOut::preload();
}
} // namespace

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void device() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"my tunes/~tmp.mid"_s); // a path with a blank
        QDir().mkpath(QFileInfo(path).path());
        writeFile(path, resource(u"midi/103"_s));
        const QString open = u"open sequencer!"_s + path + u" alias midi"_s;
        // The first tune waits for the synthesizer, which loads on another thread: told to play,
        // it is taken as playing, and then plays, or ends when it cannot be heard.
        QCOMPARE(mciSendString(open), Mci::Ok);
        QCOMPARE(status(u"mode"_s), u"stopped"_s);
        QCOMPARE(mciSendString(u"play midi"_s), Mci::Ok);
        QCOMPARE(status(u"mode"_s), u"playing"_s);
        QVERIFY(status(u"length"_s).toLong() > status(u"position"_s).toLong());
        if (Heard.isEmpty()) {
            QTRY_COMPARE(status(u"mode"_s), u"stopped"_s);
            QCOMPARE(status(u"length"_s), u"0"_s);
        } else {
            QTRY_VERIFY(status(u"position"_s).toLong() > 0);
            QVERIFY(status(u"length"_s).toLong() > status(u"position"_s).toLong());
            QCOMPARE(mciSendString(open), Mci::AliasInUse);
        }
        QCOMPARE(mciSendString(u"close midi"_s), Mci::Ok);
        // Once it is there, a tune that cannot be heard fails at once.
        QCOMPARE(mciSendString(open), Heard.isEmpty() ? Mci::CannotPlay : Mci::Ok);
        QCOMPARE(mciSendString(u"open sequencer!"_s + dir.filePath(u"gone.mid alias other"_s)), Mci::FileNotFound);
        if (!Heard.isEmpty())
            QCOMPARE(mciSendString(u"close midi"_s), Mci::Ok);
        QCOMPARE(status(u"length"_s), u"error 263"_s); // closed, or never opened
        QCOMPARE(mciSendString(u"close midi"_s), Mci::NotOpen);
        QCOMPARE(mciSendString(u"jump midi"_s), Mci::UnrecognisedCommand);
    }

    // The effects' module loads on another thread: a sound asked for meanwhile waits for it
    // without holding up the press, and is played once it is there.
    void aSoundWaitsForItsModule() {
        QSemaphore loaded, ready;
        holdTheEffectsModule(loaded, ready);
        QVERIFY(loaded.tryAcquire(1, 60000));
        const qint64 chime = now();
        PlayWAV(103); // returns, though the module is held
        ready.release();
        hear(chime, 500);
        if (!Heard.isEmpty())
            QVERIFY(loud(chime, 500) >= 10);
        module::g_afterLoad = nullptr;
    }

    // A sound whose module comes more than 50 ms after it was asked for no longer goes with
    // its press: it is dropped. A module loads once a process, so this runs alone
    // (tst_sound_late), and is skipped where another test loaded it first.
    void aLateSoundIsDropped() {
        if (module::loadState<AudioApi>() != module::Load::NotAsked)
            QSKIP("the effects' module is loaded already: run this test alone");
        QSemaphore loaded, ready;
        holdTheEffectsModule(loaded, ready);
        QVERIFY(loaded.tryAcquire(1, 60000));
        const qint64 late = now();
        QElapsedTimer asked;
        asked.start();
        PlayWAV(103);
        QTRY_VERIFY(asked.elapsed() >= 200); // the module comes 200 ms after the sound was asked for
        ready.release();
        QTRY_VERIFY(moduleReady<AudioApi>());
        hear(late, 900);
        module::g_afterLoad = nullptr;
        if (Heard.isEmpty())
            return;
        QCOMPARE(loud(late, 900), 0);
        const qint64 chime = now(); // the output itself works
        PlayWAV(103);
        hear(chime, 500);
        QVERIFY(loud(chime, 500) >= 10);
    }

    void effectsOfAGame() {
        Scenario s("Size=3\nPlayMusic=0\n", u"name=Ohr"_s); // the champion's name
        frmMirvel& f = s.form();
        hear(now(), 2500); // a fresh null sink delivers its first second late
        // Each effect is looked for from the moment it was asked for: a slow (sanitizer) build
        // on a busy machine takes its time to press its way back.
        const qint64 chime = now();
        s.play(u"seed5 go"_s);
        const int back = f.EmptyCell, next = back % 3 ? back - 1 : back + 1;
        QStringList heard{effect()};
        hear(chime, 600);
        const qint64 click = now();
        s.play(u"p%1"_s.arg(next));
        heard << effect();
        hear(click, 600);
        const qint64 solving = now();
        s.play(u"p%1 solve"_s.arg(back));
        const qint64 solved = now();
        QCOMPARE(heard << effect(), (QStringList{u"103"_s, u"102"_s, u"101"_s}));
        if (!Heard.isEmpty()) {
            hear(solved, 2300);
            // The chime (0.2 s), the click (56 ms), the fanfare (1.8 s) from the last press on:
            // the clicks on the way cut each other and are never loud that long.
            QVERIFY(loud(chime, 500) >= 10);
            QVERIFY(loud(click, 500) >= 2 && loud(click, 500) <= 20);
            int fanfare = 0;
            for (qint64 from = solving; from <= solved; from += 80)
                fanfare = std::max(fanfare, loud(from, 1800));
            QVERIFY(fanfare >= 120);
            // A new effect cuts the one playing: the fanfare began, then only the click.
            const qint64 t1 = now();
            PlayWAV(101);
            hear(t1, 300);
            PlayWAV(102);
            hear(t1 + 2400, 1800);
            QVERIFY(loud(t1, 300) >= 20);
            QCOMPARE(loud(t1 + 4000, 1200), 0);
        }
    }

    void music_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("once") << 1;
        QTest::newRow("endless") << 2;
    }
    void music() {
        QFETCH(int, mode);
        Scenario s("PlayMusic=" + QByteArray::number(mode) + "\nPlaySound=0\n");
        frmMirvel& f = s.form();
        const int first = tuneOnDisk(); // the activation after the start-up wrote a tune
        QVERIFY(first);
        QCOMPARE(f.Timer2->isActive(), !Heard.isEmpty()); // watched only while a tune is open
        if (!Heard.isEmpty()) {
            hear(now(), 3500);
            QVERIFY(loud(now() - 16000, 2000) >= 20);
            f.Timer2->setInterval(200);
            QCOMPARE(mciSendString(u"seek midi to end"_s), Mci::Ok);
            if (mode == 1) { // played to its end, it falls silent and is no longer watched
                QTRY_VERIFY_WITH_TIMEOUT(!f.Timer2->isActive(), 5000);
                QCOMPARE(status(u"mode"_s), u"error 263"_s);
            } else { // the next one follows, never the same
                QTRY_VERIFY_WITH_TIMEOUT(tuneOnDisk() != first, 5000);
                QVERIFY(f.Timer2->isActive());
            }
            f.Timer2->setInterval(1000);
        }
        // None stops it at once.
        s.play(u"start music0"_s);
        QCOMPARE(status(u"mode"_s), u"error 263"_s);
        QVERIFY(!f.Timer2->isActive());
        QCOMPARE(s.observe(u"music"_s), u"music=0"_s);
        QVERIFY(s.ini().contains("PlayMusic= 0"));
    }

    // A module of another version, or a file that is no module, is refused with one line on
    // stderr each, and the game plays on in silence.
    void aWrongModuleIsRefused() {
        QTemporaryDir dir;
        QFile::copy(QStringLiteral(MIRVEL_PROBE), dir.filePath(u"mirvel_probe"_s));
        QFile::copy(QStringLiteral(MIRVEL_OLD_MODULE), dir.filePath(u"mirvel-audio.so"_s));
        writeFile(dir.filePath(u"mirvel-fluid.so"_s), "no module");
        QProcess probe;
        probe.start(dir.filePath(u"mirvel_probe"_s), {u"PlayMusic=1"_s, u"go"_s, u"effect=103;Timer1.active=on"_s});
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.readAllStandardOutput(), "frmInfo\neffect=103;Timer1.active=on\n");
        // Both load on other threads, in either order.
        QStringList said = QString::fromUtf8(probe.readAllStandardError()).split(u'\n').filter(u".so"_s);
        said.sort();
        QCOMPARE(said.size(), 2);
        QCOMPARE(said[0], u"mirvel_probe: mirvel-audio.so is a module of version 0, this program takes version 2; "
                          "the sound effects stay silent"_s);
        QCOMPARE(said[1].section(u" ("_s, 0, 0), u"mirvel_probe: mirvel-fluid.so cannot be used"_s);
        QVERIFY(said[1].endsWith(u"; the tunes stay silent"_s));
    }

    void aTuneIsNeverFollowedByItself() {
        QList<int> tunes;
        for (int i = 0; i < 16; ++i) {
            mciSendString(u"close midi"_s);
            MakeMusic();
            tunes << tuneOnDisk();
            QVERIFY(tunes.size() < 2 || tunes.last() != tunes[tunes.size() - 2]);
        }
        mciSendString(u"close midi"_s);
        QCOMPARE(QSet<int>(tunes.begin(), tunes.end()), (QSet<int>{101, 102, 103}));
    }
};

MIRVEL_TEST_MAIN(TestSound)
#include "tst_sound.moc"
