// Guards what the player keeps, whatever the machine does: every file the program writes is
// written whole or not at all (a full disk, a size limit, an I/O error, a kill in the middle);
// what is no plain file is never read; the tune's folder is the user's own; two copies at once
// keep each other's changes and the faster champion; the store reads and writes QSettings' format.

#include "errors/ProtocolFiles.h"
#include "errors/RuntimeError.h"
#include "shell/Allgemein.h"
#include "shell/ProgramInfo.h"
#include "shell/TempFolder.h"
#include "shell/UserStore.h"
#include "sound/Sound.h"
#include "support/Scenario.h"

#include <QProcess>
#include <QSettings>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// What each file holds before a row, and must still hold after it.
const std::map<QString, QByteArray> Old = {
    {u"Mirvel.ini"_s, "[Optionen]\r\nSize= 3\r\nPlaySound= 0\r\nSprache= 1000\r\n; mine\r\n[Andere]\r\nx=1\r\n"},
    {u"Mirvel.conf"_s, "[Highscore]\n3=57\nName3=Anna\n\n[Optionen]\nStartVal=4\n"},
    {u"mirvel_probe.EPT"_s, "an older report\r\n\r\n"},
    {u"mirvel_probe.ERR"_s, "a saved report\r\n\r\n"},
    {u"~tmp.mid"_s, "an older tune"},
};
constexpr int Writes = 100; // by each of two copies at once

// Where the program keeps the file: beside it, in the user's store, or in the user's own
// temporary folder.
QString pathOf(const QString& file, const QString& folder) {
    return (file == u"Mirvel.conf" ? userFolder() : file == u"~tmp.mid" ? PrivateTempFolder() : folder) + u'/' + file;
}

// In the file's place: a named pipe, a folder, a file larger than any the program writes, a
// store that QSettings reads only in part, or a device that reads for ever (as root one of our
// own, never a link to /dev/zero: a writer that followed it would replace the device).
void putInPlace(const QString& kind, const QByteArray& path) {
    if (kind == u"large" || kind == u"damaged")
        writeFile(QFile::decodeName(path), "[Highscore]\n3=57\nName3=Anna\n[Optionen\nStartVal=3\n"),
            ::truncate(path, kind == u"large" ? 2 << 20 : 49);
    else
        kind == u"pipe"     ? ::mkfifo(path, 0600)
        : kind == u"folder" ? ::mkdir(path, 0700)
        : ::geteuid() == 0  ? ::mknod(path, S_IFCHR | 0600, makedev(1, 5))
                            : ::symlink("/dev/zero", path);
}

int modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path), &info) == 0 ? int(info.st_mode) : -1; // the kind and the permissions
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    // Each file the program writes, failing as the row says (tests/faults/fsfault.cpp), in a
    // process of its own (the probe), killed while it writes for "pause".
    void faults_data() { addTableRows(u"file-faults"_s); }
    void faults() {
        QFETCH(Row, row);
        QTemporaryDir folder; // the program's
        for (const auto& [name, bytes] : Old)
            writeFile(pathOf(name, folder.path()), bytes);
        const QString path = pathOf(row["file"], folder.path()), fault = row["fault"];
        const QString marker = folder.filePath(u"paused"_s);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"MIRVEL_TEST_FOLDER"_s, folder.path());
        const bool injected = fault.contains(u':') || fault == u"pause";
        if (injected) {
            env.insert(u"LD_PRELOAD"_s, QStringLiteral(MIRVEL_FSFAULT));
            env.insert(u"ASAN_OPTIONS"_s, env.value(u"ASAN_OPTIONS"_s) + u":verify_asan_link_order=0"_s);
            env.insert(u"MIRVEL_FAULT"_s, fault == u"pause" ? u"pause:"_s + marker : fault);
            // The new file written beside it, or its name for the rename.
            env.insert(u"MIRVEL_FAULT_FILE"_s,
                       fault.startsWith(u"rename") ? u"*/"_s + row["file"] : u"*/."_s + row["file"] + u"~*"_s);
        } else {
            QFile::remove(path), putInPlace(fault, QFile::encodeName(path));
        }
        const qint64 size = QFileInfo(path).size();
        const auto putBack = qScopeGuard([&] { QDir().rmdir(path), QFile::remove(path); });
        QProcess probe;
        probe.setProcessEnvironment(env);
#ifndef __SANITIZE_ADDRESS__ // which reserves far more address space than it uses
        probe.setChildProcessModifier([] {
            const rlimit memory{2UL << 30, 2UL << 30};
            ::setrlimit(RLIMIT_AS, &memory);
        });
#endif
        probe.start(QStringLiteral(MIRVEL_PROBE), {row["ini"], row["script"], row["shown"]});
        if (fault == u"pause") {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 30000);
            probe.kill();
        }
        QVERIFY(probe.waitForFinished(60000));
        if (fault != u"pause") // the probe prints a line a window, then what it read
            QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(),
                     QString(row["shown"]).replace(u" ¦ "_s, u"\n"_s));
        if (injected)
            QCOMPARE(readFile(path), Old.at(row["file"]));
        else // left in its place, not replaced
            QVERIFY(QFileInfo(path).exists() &&
                    QFileInfo(path).isFile() == (fault == u"large" || fault == u"damaged") &&
                    QFileInfo(path).size() == size);
    }

    // Two copies at once, each writing options (then champions) of its own: all of them are kept.
    void twoCopiesKeepEachOthersChanges() {
        QTemporaryDir folder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"MIRVEL_TEST_FOLDER"_s, folder.path());
        for (const QString& file : {u"ini"_s, u"store"_s}) {
            std::array<QProcess, 2> copies;
            for (int i = 0; i < 2; ++i) {
                copies[i].setProcessEnvironment(env);
                copies[i].start(QCoreApplication::applicationFilePath(), {u"--writes"_s, file, QChar(u'A' + i)});
            }
            for (QProcess& copy : copies)
                QVERIFY(copy.waitForFinished(60000) && copy.exitCode() == 0);
        }
        ProgramInfo::setFolder(folder.path());
        for (int i = 0; i < 2 * Writes; ++i) {
            const QString key = QChar(u'A' + i / Writes) + QString::number(i % Writes);
            QCOMPARE(GetIniInt(u"Optionen"_s, key, 0), 1);
            QCOMPARE(stored(u"Highscore/"_s + key), u"1"_s);
        }
        ProgramInfo::setFolder({});
    }

    // Another copy stores a faster time while the name box is open, or just before the time is
    // written: the faster time keeps its own name, and the slower one asks for none.
    void aFasterTimeOfAnotherCopyWins() {
        Scenario s({}, u"name=Slow"_s);
        int prompts = 0;
        s.onShow = [&](QWidget*) {
            store(u"Highscore/5"_s, u"30"_s), store(u"Highscore/Name5"_s, u"Fast"_s), ++prompts;
        };
        s.play(u"secs50 record"_s);
        s.beforeStep = [](const char*, const char* procedure, int step) {
            if (qstrcmp(procedure, "WriteHighScore") == 0 && step == 3)
                store(u"Highscore/5"_s, u"20"_s);
        };
        s.play(u"secs25 record"_s);
        QCOMPARE(s.observe(u"best5"_s), u"best5=20/Fast"_s);
        QCOMPARE(prompts, 1);
    }

    // The tune's folder is the user's own: a link in its place (to a folder that would pass,
    // such as ~/.ssh), a folder of another user or one open to others gives way to a new one; a
    // link in the tune's place is replaced, never followed; two users each keep their own tune.
    void tuneFolder() {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR"); // no desktop session: the shared temporary folder
        const QString shared = QDir::tempPath(), own = shared + u"/mirvel-"_s + QString::number(::geteuid());
        const QString victim = shared + u"/notes.txt"_s;
        const QByteArray ownName = QFile::encodeName(own), privateFolder = QFile::encodeName(shared + u"/private"_s);
        openToNobody(shared), setMode(shared, 01777), ::mkdir(privateFolder, 0700), writeFile(victim, "mine");
        QFile::link(victim, shared + u"/~tmp.mid"_s); // where the tune used to go
        QFile::link(victim, PrivateTempFolder() + u"/~tmp.mid"_s);
        MakeMusic();
        QVERIFY(MidiFilePath == own + u"/~tmp.mid"_s && tuneOnDisk() && modeOf(own) == (S_IFDIR | 0700));
        QCOMPARE(readFile(victim), "mine");
        for (int i = 0; i < 3 - (::geteuid() != 0); ++i) { // the last one as root only
            QDir(own).removeRecursively(), QFile::remove(own);
            i == 0 ? ::symlink(privateFolder, ownName) : ::mkdir(ownName, 0700);
            i == 1 ? ::chmod(ownName, 0777) : i == 2 ? ::chown(ownName, 65534, 65534) : 0;
            QVERIFY(PrivateTempFolder() != own && modeOf(PrivateTempFolder()) == (S_IFDIR | 0700));
        }
        if (::geteuid() == 0) { // and "nobody" beside us
            const QString ours = GetTempDir() + u"~tmp.mid"_s;
            SaveResItemToDisk(101, u"midi"_s, ours);
            QString theirs;
            QByteArray heard;
            {
                Unprivileged nobody;
                SaveResItemToDisk(102, u"midi"_s, theirs = GetTempDir() + u"~tmp.mid"_s);
                heard = readFile(theirs);
            }
            QVERIFY(ours != theirs && readFile(ours) == resource(u"midi/101"_s) && heard == resource(u"midi/102"_s));
        }
        qputenv("XDG_RUNTIME_DIR", runtime);
    }

    // A program folder that others may write, such as /tmp, is not ours: what the program
    // keeps goes to the user's folders (a read-only one: rows of play.tsv, as=nobody).
    void aFolderNotOursAloneIsNotUsed() {
        QTemporaryDir folder;
        ProgramInfo::setFolder(folder.path());
        setMode(folder.path(), 01777);
        WriteIniString(u"Optionen"_s, u"Size"_s, u" 4"_s);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
        QVERIFY(QFile::remove(userFolder() + u"/Mirvel.ini"_s));
        QVERIFY(protocolFiles::path(u"EPT"_s).startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        ProgramInfo::setFolder({});
    }

    // Whatever a player's name holds, the store reads the same to QSettings as to us, both ways;
    // a line written by hand (`raw`) reads to us as it reads to QSettings.
    void storeFormat_data() {
        addTableRows(u"store-values"_s);
    }
    void storeFormat() {
        QFETCH(Row, row);
        if (const QString conf = userFolder() + u"/Mirvel.conf"_s; !row["raw"].isEmpty()) {
            writeFile(conf, "[Highscore]\nName3=" + row["raw"].toUtf8() + '\n');
            QCOMPARE(stored(u"Highscore/Name3"_s),
                     QSettings(conf, QSettings::IniFormat).value(u"Highscore/Name3"_s).toString());
            return;
        }
        QTemporaryDir dir;
        store(u"Highscore/Name3"_s, row["text"]);
        QFile::copy(userFolder() + u"/Mirvel.conf"_s, dir.filePath(u"ours.conf"_s));
        QCOMPARE(QSettings(dir.filePath(u"ours.conf"_s), QSettings::IniFormat).value(u"Highscore/Name3"_s),
                 row["text"]);
        QSettings(dir.filePath(u"theirs.conf"_s), QSettings::IniFormat).setValue(u"Highscore/Name3"_s, row["text"]);
        clearUserStore();
        QFile::copy(dir.filePath(u"theirs.conf"_s), userFolder() + u"/Mirvel.conf"_s);
        QCOMPARE(stored(u"Highscore/Name3"_s), row["text"]);
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--writes") == 0) { // one of two copies at once
        QCoreApplication app(argc, argv);
        ProgramInfo::setFolder(qEnvironmentVariable("MIRVEL_TEST_FOLDER"));
        for (int i = 0; i < Writes; ++i)
            qstrcmp(argv[2], "ini") == 0
                ? WriteIniString(u"Optionen"_s, argv[3] + QString::number(i), u" 1"_s)
                : SaveSetting(u"Mirvel"_s, u"Highscore"_s, argv[3] + QString::number(i), u"1"_s);
        return 0;
    }
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    TestFiles tc;
    testenv::end(QTest::qExec(&tc, argc, argv));
}

#include "tst_files.moc"
