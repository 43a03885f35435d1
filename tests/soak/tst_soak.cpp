// Guards a long session: twenty whole games in one program, with effects and endless music,
// must not grow its memory, leave a file half written or lose a champion.

#include "sound/MidiDevice.h"
#include "sound/WaveOut.h"
#include "support/ProgramTexts.h"
#include "support/SoundServer.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QRandomGenerator>
#include <QStandardPaths>
#include <map>

namespace {
bool g_heard = false;
long residentKb() {
    const QString status = QString::fromLatin1(readFile(u"/proc/self/status"_s));
    return QRegularExpression(u"VmRSS:\\s*(\\d+)"_s).match(status).captured(1).toLong();
}
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}
} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void twentyGames() {
        if (!g_heard)
            QSKIP("no PulseAudio server would start");
        const quint32 seed = qEnvironmentVariableIsSet("MIRVEL_SOAK_SEED")
                                 ? qEnvironmentVariable("MIRVEL_SOAK_SEED").toUInt()
                                 : QRandomGenerator::global()->generate();
        qInfo("seed %u (MIRVEL_SOAK_SEED=%u replays this run)", seed, seed);
        QRandomGenerator pick(seed);
        clearUserStore();
        LoadedWindow w("PlaySound=-1\nPlayMusic=2\n");
        frmMirvel& f = *w.form;
        std::map<int, QString> best; // size -> "time/name", as observe() shows it
        QStringList seen, prompts;
        long firstKb = 0;
        int n = 0;
        for (int game = 0; game < 20; ++game) {
            n = game ? 3 + int(pick.bounded(6)) : 8; // the largest first: its memory is the measure
            const int seconds = 1 + int(pick.bounded(900));
            const QString name = u"P%1"_s.arg(game);
            ModalDriver driver(answer::all(2, &seen, name));
            play(f, u"size%1 seed%2 go"_s.arg(n - 3).arg(1 + pick.bounded(1u << 30)));
            f.GameSeconds = seconds; // no clock tick runs during the presses
            play(f, u"solve ?solved=-1;clock=off"_s);
            if (!best.count(n) || seconds < best[n].section(u'/', 0, 0).toInt())
                best[n] = u"%1/%2"_s.arg(seconds).arg(name),
                prompts << u"prompt:"_s + texts::tableText(128) + u'|' + texts::tableText(126);
            QTest::qWait(100); // the effects' streams are released from the event loop
            if (game == 0)
                firstKb = residentKb();
        }
        const long lastKb = residentKb();
        qInfo("resident after the first game %ld kB, after the last %ld kB", firstKb, lastKb);
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer keeps freed memory in quarantine on purpose
        QVERIFY2(lastKb * 10 <= firstKb * 11, "memory grew by more than 10 %");
#endif
        QCOMPARE(seen, prompts);

        QString champions, expected;
        for (int k = 3; k <= 8; ++k) {
            champions += u"best%1;"_s.arg(k);
            expected += u"best%1=%2;"_s.arg(k).arg(best.count(k) ? best[k] : u"-/-"_s);
        }
        expected += u"ini=[Optionen]|PlaySound=-1|PlayMusic= 2|Size= %1|Sprache= 0|"_s.arg(n);
        QCOMPARE(observe(f, champions + u"ini"_s), expected);
        QCOMPARE(filesIn(w.folder.path()), QStringList{u"Mirvel.ini"_s});
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QCOMPARE(filesIn(config + u"/Mirvel"_s), QStringList{u"Mirvel.conf"_s});
        QCOMPARE(filesIn(QDir::tempPath()), (QStringList{QFileInfo(w.folder.path()).fileName(), u"~tmp.mid"_s}));
        const QByteArray tune = readFile(QDir::tempPath() + u"/~tmp.mid"_s);
        QVERIFY(f.Timer2->isActive()); // a tune still plays, heard through our server
        QVERIFY(tune == readFile(u":/midi/101"_s) || tune == readFile(u":/midi/102"_s) ||
                tune == readFile(u":/midi/103"_s));
    }
};

int main(int argc, char** argv) {
    SoundServer server; // always its own: the point is a session that is heard
    g_heard = server.start();
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    TestSoak tc;
    const int failed = QTest::qExec(&tc, argc, argv);
    // What still plays goes before its server does.
    WaveOut::stop(), mciSendString(u"close midi"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    server.removeFolder();
    testenv::end(failed);
}

#include "tst_soak.moc"
