// Guards the options file: the reading rules (case, blanks, signs, quotes, duplicates, line
// ends), the writer that keeps every other line, the rewrite through a temporary file, the
// per-user fallback for a read-only program folder, and the two small helpers beside them.

#include "errors/RuntimeError.h"
#include "shell/Allgemein.h"
#include "shell/IniLocation.h"
#include "shell/PrivateProfile.h"
#include "shell/ProgramInfo.h"
#include "support/ErrorOf.h"
#include "support/LoadedWindow.h"
#include "support/TestMain.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QSet>
#include <QStandardPaths>

namespace {
long long readInt(const QByteArray& file, const char* section, const char* key, long long def) {
    const auto value = PrivateProfile::findValue(file, section, key);
    return value ? PrivateProfile::leadingInteger(*value) : def;
}
} // namespace

class TestPrivateProfile : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<qlonglong>("expected");
        const QByteArray head = "[Optionen]\n";
        QTest::newRow("blank before value") << head + "Size= 5\n" << QByteArray("Size") << 5LL;
        QTest::newRow("no blank") << head + "Size=5\n" << QByteArray("Size") << 5LL;
        QTest::newRow("key in lower case") << head + "size=6\n" << QByteArray("Size") << 6LL;
        QTest::newRow("asked in lower case") << head + "Picture= 2\n"
                                             << QByteArray("picture") << 2LL;
        QTest::newRow("section in other case")
            << QByteArray("[OPTIONEN]\nSize=7\n") << QByteArray("Size") << 7LL;
        QTest::newRow("blanks in brackets")
            << QByteArray("[ Optionen ]\nSize=7\n") << QByteArray("Size") << 7LL;
        QTest::newRow("blanks round =") << head + "  Size  =  7  \n" << QByteArray("Size") << 7LL;
        QTest::newRow("tab before value") << head + "Size=\t4\n" << QByteArray("Size") << 4LL;
        QTest::newRow("minus one") << head + "PlaySound=-1\n" << QByteArray("PlaySound") << -1LL;
        QTest::newRow("blank and zero") << head + "PlaySound= 0\n"
                                        << QByteArray("PlaySound") << 0LL;
        QTest::newRow("plus sign") << head + "Size=+4\n" << QByteArray("Size") << 4LL;
        QTest::newRow("digit then letters") << head + "Size=5abc\n" << QByteArray("Size") << 5LL;
        QTest::newRow("letters only") << head + "Size=abc\n" << QByteArray("Size") << 0LL;
        QTest::newRow("empty value") << head + "Size=\n" << QByteArray("Size") << 0LL;
        QTest::newRow("sign alone") << head + "Size=-\n" << QByteArray("Size") << 0LL;
        QTest::newRow("blank inside number") << head + "Size=1 2\n" << QByteArray("Size") << 1LL;
        QTest::newRow("double quotes") << head + "Size=\"6\"\n" << QByteArray("Size") << 6LL;
        QTest::newRow("single quotes") << head + "Size='4'\n" << QByteArray("Size") << 4LL;
        QTest::newRow("unmatched quote") << head + "Size=\"6\n" << QByteArray("Size") << 0LL;
        QTest::newRow("first duplicate wins") << head + "Size=3\nSize=8\n"
                                              << QByteArray("Size") << 3LL;
        QTest::newRow("large stays large") << head + "Size=70000\n"
                                           << QByteArray("Size") << 70000LL;
        QTest::newRow("CRLF lines") << QByteArray("[Optionen]\r\nSize= 5\r\nPicture= 1\r\n")
                                    << QByteArray("Picture") << 1LL;
        QTest::newRow("no final line break") << head + "Size= 8" << QByteArray("Size") << 8LL;
        QTest::newRow("missing key") << head + "Picture=1\n" << QByteArray("Size") << -99LL;
        QTest::newRow("other section")
            << QByteArray("[Other]\nSize=7\n") << QByteArray("Size") << -99LL;
        QTest::newRow("key before any section")
            << QByteArray("Size=7\n") << QByteArray("Size") << -99LL;
        QTest::newRow("comment") << head + ";Size=7\n" << QByteArray("Size") << -99LL;
        QTest::newRow("key of next section") << head + "a=1\n[Zeta]\nSize=7\n"
                                             << QByteArray("Size") << -99LL;
        static const char garbage[] = "\x00\xff[Optionen\n=\n==\nSize";
        QTest::newRow("binary garbage")
            << QByteArray(garbage, sizeof garbage - 1) << QByteArray("Size") << -99LL;
    }
    void reading() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, key);
        QFETCH(qlonglong, expected);
        QCOMPARE(readInt(file, "Optionen", key.constData(), -99), expected);
    }

    void writing_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << QByteArray("Size") << QByteArray(" 5")
                                  << QByteArray("[Optionen]\nSize= 5\n");
        QTest::newRow("replaced in place, spelling kept")
            << QByteArray("[Optionen]\nPicture=1\nSize= 5\n") << QByteArray("picture")
            << QByteArray(" 2") << QByteArray("[Optionen]\nPicture= 2\nSize= 5\n");
        QTest::newRow("added to its section")
            << QByteArray("[Optionen]\nSize= 5\n") << QByteArray("PlayMusic") << QByteArray(" 1")
            << QByteArray("[Optionen]\nSize= 5\nPlayMusic= 1\n");
        QTest::newRow("CRLF file stays CRLF")
            << QByteArray("[Optionen]\r\nSize= 5\r\n") << QByteArray("Sprache") << QByteArray(" 0")
            << QByteArray("[Optionen]\r\nSize= 5\r\nSprache= 0\r\n");
        QTest::newRow("other sections and comments kept")
            << QByteArray("; mine\n[Other]\na = 1\n\n[Optionen]\nSize= 3\n\n[Zeta]\nz=2\n")
            << QByteArray("Sprache") << QByteArray(" 1000")
            << QByteArray(
                   "; mine\n[Other]\na = 1\n\n[Optionen]\nSize= 3\nSprache= 1000\n\n[Zeta]\nz=2\n");
        QTest::newRow("section added at the end")
            << QByteArray("[Other]\na=1") << QByteArray("Size") << QByteArray(" 5")
            << QByteArray("[Other]\na=1\n\n[Optionen]\nSize= 5\n");
        QTest::newRow("only the first duplicate replaced")
            << QByteArray("[Optionen]\nSize=3\nSize=8\n") << QByteArray("SIZE") << QByteArray(" 4")
            << QByteArray("[Optionen]\nSize= 4\nSize=8\n");
        QTest::newRow("value written exactly as passed")
            << QByteArray("[Optionen]\nSize = 5\n") << QByteArray("Size") << QByteArray("  7 ")
            << QByteArray("[Optionen]\nSize=  7 \n");
        QTest::newRow("line break in a value cannot add lines")
            << QByteArray() << QByteArray("Size") << QByteArray(" 5\n[Evil]\nx=1")
            << QByteArray("[Optionen]\nSize= 5\n");
    }
    void writing() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        QCOMPARE(PrivateProfile::withValue(before, "Optionen", key, value), after);
    }

    void fileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mirvel.ini"));
        QCOMPARE(
            PrivateProfile::getInt(QStringLiteral("Optionen"), QStringLiteral("Size"), 5, path),
            5LL);
        QVERIFY(PrivateProfile::writeString(QStringLiteral("Optionen"), QStringLiteral("Size"),
                                            QStringLiteral(" 7"), path));
        QVERIFY(PrivateProfile::writeString(QStringLiteral("Optionen"), QStringLiteral("picture"),
                                            QStringLiteral(" 2"), path));
        QCOMPARE(
            PrivateProfile::getInt(QStringLiteral("optionen"), QStringLiteral("SIZE"), 5, path),
            7LL);
        QCOMPARE(
            PrivateProfile::getInt(QStringLiteral("Optionen"), QStringLiteral("Picture"), 0, path),
            2LL);
        QCOMPARE(readFile(path), QByteArray("[Optionen]\nSize= 7\npicture= 2\n"));
        // The rewrite leaves no temporary file behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Mirvel.ini")});
    }

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        setMode(dir.path(), 0777);
        const QString path = dir.filePath(QStringLiteral("Mirvel.ini"));
        const QByteArray old = "[Optionen]\r\nSize= 6\r\n";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();
        setMode(path, 0666);
        setMode(dir.path(), 0555); // the file could be opened, but no temporary file beside it
        bool written = true;
        {
            Unprivileged asUser;
            written = PrivateProfile::writeString(
                QStringLiteral("Optionen"), QStringLiteral("Size"), QStringLiteral(" 3"), path);
        }
        setMode(dir.path(), 0700);
        QVERIFY(!written);
        QCOMPARE(readFile(path), old);
        QVERIFY(!PrivateProfile::writeString(QStringLiteral("Optionen"), QStringLiteral("Size"),
                                             QStringLiteral(" 3"),
                                             dir.filePath(QStringLiteral("missing/Mirvel.ini"))));
    }

    void optionsBesideTheProgram() {
        QTemporaryDir program;
        ProgramInfo::setFolder(program.path());
        QCOMPARE(IniFilePath(), program.filePath(QStringLiteral("Mirvel.ini")));
        QCOMPARE(GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Size"), 5), rt::Integer(5));
        WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Size"), QStringLiteral(" 8"));
        QCOMPARE(GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Size"), 5), rt::Integer(8));
        WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Size"), QStringLiteral("70000"));
        QCOMPARE(errorOf([] { GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Size"), 5); }),
                 6);
        ProgramInfo::setFolder({});
    }

    void readOnlyProgramFolderFallsBackToTheUsersFolder() {
        QTemporaryDir program;
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir().mkpath(config);
        // Let "nobody" reach the test's configuration folder.
        for (QString d = config; d.size() > 1; d = QFileInfo(d).path())
            setMode(d, 0777);
        setMode(program.path(), 0555);
        ProgramInfo::setFolder(program.path());
        QString used;
        rt::Integer size = 0;
        {
            Unprivileged asUser;
            used = IniFilePath();
            WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Size"),
                           QStringLiteral(" 4"));
            size = GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Size"), 5);
        }
        ProgramInfo::setFolder({});
        setMode(program.path(), 0700);
        QCOMPARE(used, QDir(config).filePath(QStringLiteral("Mirvel/Mirvel.ini")));
        QCOMPARE(size, rt::Integer(4));
        QCOMPARE(readFile(used), QByteArray("[Optionen]\nSize= 4\n"));
        QVERIFY(!QFile::exists(program.filePath(QStringLiteral("Mirvel.ini"))));
        QFile::remove(used);
    }

    void randomBetweenStaysInRange() {
        QSet<int> seen;
        for (int i = 0; i < 300; ++i) {
            const int r = RandomBetween(1, 3);
            QVERIFY2(r >= 1 && r <= 3, qPrintable(QString::number(r)));
            seen.insert(r);
        }
        QCOMPARE(seen.size(), 3);
        QCOMPARE(RandomBetween(7, 7), rt::Integer(7));
    }

    void trimNull() {
        QCOMPARE(TrimNull(QString::fromUtf16(u"/tmp/\0garbage", 13)), QStringLiteral("/tmp/"));
        QCOMPARE(TrimNull(QStringLiteral("no nul")), QStringLiteral("no nul"));
        QCOMPARE(TrimNull(QString(3, QChar(u'\0'))), QString());
    }
};

MIRVEL_TEST_MAIN(TestPrivateProfile)
#include "tst_privateprofile.moc"
