// Guards sound and music. With MIRVEL_HEAR=1 it brings its own sound server and checks by ear
// as well; without one the same steps must pass silently: no sound, no message.

#include "errors/Procedure.h"
#include "sound/MciCommand.h"
#include "sound/MidiDevice.h"
#include "sound/Sound.h"
#include "sound/WaveFile.h"
#include "support/SoundServer.h"
#include "support/TestMain.h"
#include "support/Unprivileged.h"
#include "support/Window.h"

#include <QSet>

namespace {
SoundServer* g_server = nullptr; // set when the tests listen
QElapsedTimer g_clock;

QByteArray resource(const QString& name) {
    return readFile(u":/"_s + name);
}
// Which tune "~tmp.mid" holds now: 101..103, or 0.
int tuneOnDisk() {
    const QByteArray file = readFile(QDir::tempPath() + u"/~tmp.mid"_s);
    for (int id : {101, 102, 103})
        if (file == resource(u"midi/%1"_s.arg(id)))
            return id;
    return 0;
}
QString status(const QString& item) {
    QString answer;
    const int code = mciSendString(u"status midi "_s + item, &answer);
    return code ? u"error %1"_s.arg(code) : answer;
}
// The 10 ms windows from `from` to `to` (ms of the clock) that are louder than a whisper.
int loud(const Recorder& r, qint64 from, qint64 to) {
    const QVector<double> l = r.levels(from, to);
    return int(std::count_if(l.begin(), l.end(), [](double v) { return v > 0.01; }));
}
} // namespace

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void commands_data() { addTableRows(u"mci-commands"_s); }
    void commands() {
        QFETCH(Row, row);
        const auto c = parseMciCommand(row["command"]);
        const QStringList read = c ? QStringList{c->verb, c->device, c->file, c->alias, c->item} : QStringList();
        QCOMPARE(read.join(u'|'), row["parsed"]);
    }

    void damagedEffectsAreRefused() {
        for (int id : {101, 102, 103}) {
            const QByteArray file = resource(u"wav/%1"_s.arg(id));
            const auto wave = parseWave(file);
            QVERIFY(wave && wave->channels == 1 && wave->bitsPerSample == 8 && !wave->samples.isEmpty());
            // Damaged copies are refused, never read past their end.
            QVERIFY(!parseWave(file.left(40)));
            QVERIFY(!parseWave(QByteArray(file).replace(20, 2, "\x02\x00")));         // not PCM
            QVERIFY(!parseWave(QByteArray(file).replace(40, 4, "\xff\xff\xff\x7f"))); // data too long
        }
    }

    void device() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"my tunes/~tmp.mid"_s); // a path with a blank
        QDir().mkpath(QFileInfo(path).path());
        writeFile(path, resource(u"midi/103"_s));
        const QString open = u"open sequencer!"_s + path + u" alias midi"_s;
        QCOMPARE(mciSendString(open), g_server ? Mci::Ok : Mci::CannotPlay);
        QCOMPARE(mciSendString(u"open sequencer!"_s + dir.filePath(u"gone.mid alias other"_s)), Mci::FileNotFound);
        if (g_server) {
            QCOMPARE(mciSendString(open), Mci::AliasInUse);
            QCOMPARE(mciSendString(u"play midi"_s), Mci::Ok);
            QCOMPARE(status(u"mode"_s), u"playing"_s);
            QTRY_VERIFY(status(u"position"_s).toLong() > 0);
            QVERIFY(status(u"length"_s).toLong() > status(u"position"_s).toLong());
            QCOMPARE(mciSendString(u"close midi"_s), Mci::Ok);
        }
        QCOMPARE(status(u"length"_s), u"error 263"_s); // closed, or never opened
        QCOMPARE(mciSendString(u"close midi"_s), Mci::NotOpen);
        QCOMPARE(mciSendString(u"jump midi"_s), Mci::UnrecognisedCommand);
    }

    void effectsOfAGame() {
        LoadedWindow w("Size=3\nPlayMusic=0\n");
        frmMirvel& f = *w.form;
        ModalDriver driver(answer::all(2, nullptr, u"Ohr"_s)); // the champion's name
        std::unique_ptr<Recorder> rec(g_server ? new Recorder(g_clock) : nullptr);
        QTest::qWait(g_server ? 2500 : 0); // a fresh null sink delivers its first second late
        const auto last = [] {
            for (const char* e : {"101", "102", "103"})
                if (SoundBuffer == resource(u"wav/"_s + QLatin1String(e)))
                    return QString::fromLatin1(e);
            return SoundBuffer.isEmpty() ? u"none"_s : u"other"_s;
        };
        // Each effect is looked for from the moment it was asked for: a slow (sanitizer) build
        // on a busy machine takes its time to press its way back.
        const qint64 chime = g_clock.elapsed();
        play(f, u"seed5 go"_s);
        const int back = f.EmptyCell, next = back % 3 ? back - 1 : back + 1;
        QStringList heard{last()};
        QTest::qWait(600);
        const qint64 click = g_clock.elapsed();
        play(f, u"p%1"_s.arg(next));
        heard << last();
        QTest::qWait(600);
        const qint64 solving = g_clock.elapsed();
        play(f, u"p%1 solve"_s.arg(back));
        const qint64 solved = g_clock.elapsed();
        QCOMPARE(heard << last(), (QStringList{u"103"_s, u"102"_s, u"101"_s}));
        if (rec) {
            QTest::qWait(2300);
            // The chime (0.2 s), the click (56 ms), the fanfare (1.8 s) from the last press on:
            // the clicks on the way cut each other and are never loud that long.
            QVERIFY(loud(*rec, chime, chime + 500) >= 10);
            QVERIFY(loud(*rec, click, click + 500) >= 2 && loud(*rec, click, click + 500) <= 20);
            int fanfare = 0;
            for (qint64 from = solving; from <= solved; from += 10)
                fanfare = std::max(fanfare, loud(*rec, from, from + 1800));
            QVERIFY(fanfare >= 120);
            // A new effect cuts the one playing: the fanfare began, then only the click.
            const qint64 t1 = g_clock.elapsed();
            PlayWAV(101);
            QTest::qWait(300);
            PlayWAV(102);
            QTest::qWait(1800);
            QVERIFY(loud(*rec, t1, t1 + 300) >= 20);
            QCOMPARE(loud(*rec, t1 + 500, t1 + 1700), 0);
        }
        // Switched off, nothing plays; switched on again, the option reads as before.
        f.mnuPlaySounds->trigger();
        SoundBuffer.clear();
        play(f, u"seed6 go p1 p0 solve"_s);
        QCOMPARE(last(), u"none"_s);
        f.mnuPlaySounds->trigger();
        QCOMPARE(observe(f, u"sound;ini"_s),
                 u"sound=-1+;ini=[Optionen]|Size= 3|PlayMusic= 0|Sprache= 0|PlaySound=-1|"_s);
    }

    void music_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("once") << 1;
        QTest::newRow("endless") << 2;
    }
    void music() {
        QFETCH(int, mode);
        LoadedWindow w("PlayMusic=" + QByteArray::number(mode) + "\nPlaySound=0\n");
        frmMirvel& f = *w.form;
        const int first = tuneOnDisk(); // the activation after the start-up wrote a tune
        QVERIFY(first);
        QCOMPARE(f.Timer2->isActive(), g_server != nullptr); // watched only while a tune is open
        if (g_server) {
            Recorder rec(g_clock);
            QTest::qWait(3500);
            QVERIFY(loud(rec, g_clock.elapsed() - 2000, g_clock.elapsed()) >= 20);
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
        play(f, u"start"_s);
        f.mnuMusic[0]->trigger();
        QCOMPARE(status(u"mode"_s), u"error 263"_s);
        QVERIFY(!f.Timer2->isActive());
        QCOMPARE(observe(f, u"music"_s), u"music=0"_s);
        QVERIFY(w.ini().contains("PlayMusic= 0"));
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

    void aTuneStartsWhenTheMainWindowIsActiveAgain() {
        LoadedWindow w("PlayMusic=1\n");
        mciSendString(u"close midi"_s); // as when the tune has ended
        QFile::remove(QDir::tempPath() + u"/~tmp.mid"_s);
        {
            ModalDriver driver(answer::all(1)); // an error report, answered "Ignore"
            Procedure("M", "P").run({[] { raiseError(ErrNo::Overflow); }});
        }
        QTRY_VERIFY(tuneOnDisk());
        QTRY_COMPARE(w.form->Timer2->isActive(), g_server != nullptr);
        mciSendString(u"close midi"_s);
        w.form->Timer2->stop();
    }

    void aTempFolderClosedToUsIsNoError() {
        LoadedWindow w("PlayMusic=0\n");
        QTemporaryDir closed;
        setMode(closed.path(), 0555);
        const QByteArray old = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(closed.path()));
        QStringList seen;
        {
            ModalDriver driver(answer::all(2, &seen));
            Unprivileged asUser;
            w.form->mnuMusic[2]->trigger();
            QTest::qWait(50);
        }
        qputenv("TMPDIR", old);
        QCOMPARE(seen, QStringList());
        QVERIFY(!w.form->Timer2->isActive());
        w.form->mnuMusic[0]->trigger();
    }
};

int main(int argc, char** argv) {
    SoundServer server;
    if (qEnvironmentVariableIntValue("MIRVEL_HEAR") && !(g_server = server.start() ? &server : nullptr))
        qFatal("MIRVEL_HEAR is set, but no PulseAudio server would start");
    g_clock.start();
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    TestSound tc;
    const int failed = QTest::qExec(&tc, argc, argv);
    server.removeFolder();
    testenv::end(failed);
}

#include "tst_sound.moc"
