// Guards the options file: how a value is read and what the start-up does with it, the writer
// that keeps every other line as it was, and where the file goes when the folder is read-only.

#include "shell/Allgemein.h"
#include "shell/IniLocation.h"
#include "shell/PrivateProfile.h"
#include "shell/ProgramInfo.h"
#include "support/TestMain.h"
#include "support/Unprivileged.h"
#include "support/Window.h"

#include <QSet>
#include <QStandardPaths>

struct Reading {
    const char* name;
    const char* file; // after an "[Optionen]" line unless it brings its own sections
    const char* key;
    long long read;     // what the reader returns; -99 is the default asked for
    const char* window; // the start-up's outcome, as observe() shows it
    const char* report; // the start-up's error report, "number|procedure|line"
};
Q_DECLARE_METATYPE(Reading)

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void reading_data() {
        // clang-format off
        static const Reading rows[] = {
            {"no blank", "Size=6\n", "Size", 6, "N=6", ""},
            {"key in lower case", "size=6\n", "Size", 6, "N=6", ""},
            {"section in other case", "[OPTIONEN]\nSize=7\n", "Size", 7, "N=7", ""},
            {"blanks in brackets", "[ Optionen ]\nSize=7\n", "Size", 7, "N=7", ""},
            {"blanks round =", "  Size  =  7  \n", "Size", 7, "N=7", ""},
            {"tab before value", "Size=\t4\n", "Size", 4, "N=4", ""},
            {"plus sign", "Size=+4\n", "Size", 4, "N=4", ""},
            {"digit then letters", "Size=7abc\n", "Size", 7, "N=7", ""},
            {"double quotes", "Size=\"6\"\n", "Size", 6, "N=6", ""},
            {"single quotes", "Size='4'\n", "Size", 4, "N=4", ""},
            {"blanks inside quotes", "Size=\" 7 \"\n", "Size", 7, "N=7", ""},
            {"first duplicate wins", "Size=3\nSize=8\n", "Size", 3, "N=3", ""},
            {"no final line break", "Size= 8", "Size", 8, "N=8", ""},
            {"CRLF lines", "[Optionen]\r\nSize= 5\r\nPicture= 1\r\n", "Picture", 1, "pic=1", ""},
            {"lone CR lines", "[Optionen]\rSize=7\rPicture= 1\r", "Size", 7, "N=7;pic=1", ""},
            {"mixed line ends", "; x\r\n[Optionen]\rPicture=2\nSize=7\r\n", "Size", 7, "N=7;pic=2", ""},
            {"minus one", "PlaySound=-1\n", "PlaySound", -1, "sound=-1+", ""},
            {"blank and zero", "PlaySound= 0\n", "PlaySound", 0, "sound=0-", ""},
            {"empty value", "Size=\n", "Size", -99, "N=5", ""},
            {"blanks only", "Size=   \n", "Size", -99, "N=5", ""},
            {"empty quotes", "Size=\"\"\n", "Size", -99, "N=5", ""},
            {"blanks in quotes", "Size=\"  \"\n", "Size", -99, "N=5", ""},
            {"missing key", "Picture=1\n", "Size", -99, "N=5", ""},
            {"other section", "[Other]\nSize=7\n", "Size", -99, "N=5", ""},
            {"before any section", "Size=7\n[Other]\n", "Size", -99, "N=5", ""},
            {"comment", ";Size=7\n", "Size", -99, "N=5", ""},
            {"key of the next section", "a=1\n[Zeta]\nSize=7\n", "Size", -99, "N=5", ""},
            {"letters only", "Size=abc\n", "Size", 0, "N=5", "9|mnuSize_Click|1"},
            {"blank inside the number", "Size=1 2\n", "Size", 1, "N=5", "9|mnuSize_Click|1"},
            {"unmatched quote", "Size=\"6\n", "Size", 0, "N=5", "9|mnuSize_Click|1"},
            {"size 9", "Size=9\n", "Size", 9, "N=5", "9|mnuSize_Click|1"},
            {"size 2", "Size=2\n", "Size", 2, "N=5", "9|mnuSize_Click|1"},
            {"size 70000", "Size=70000\n", "Size", 70000, "N=5", "6|Form_Load|3"},
            {"picture 5", "Picture=5\n", "Picture", 5, "pic=-1", "326|Form_Load|6"},
            {"picture -1", "Picture=-1\n", "Picture", -1, "pic=-1", "326|Form_Load|6"},
            {"music 7 plays each tune once", "PlayMusic=7\n", "PlayMusic", 7, "music=1", ""},
            {"sound 5 is on", "PlaySound=5\n", "PlaySound", 5, "sound=-1+", ""},
        };
        // clang-format on
        addRows(rows);
    }
    void reading() {
        QFETCH(Reading, row);
        QByteArray file(row.file);
        if (!file.contains('['))
            file.prepend("[Optionen]\n");
        QCOMPARE(PrivateProfile::readInt(file, "Optionen", row.key, -99), row.read);
        // Answered with "Cancel" and with "Ignore": the program goes on either way.
        for (int code : {2, 1}) {
            QStringList seen;
            ModalDriver driver(answer::all(code, &seen));
            LoadedWindow w(file, &driver);
            QVERIFY(w.form->isVisible());
            QCOMPARE(driver.unanswered(), 0);
            const QString first = seen.value(0).section(u' ', 0, 0) + u'|' + seen.value(0).section(u'|', 2, 3);
            QCOMPARE(seen.isEmpty() ? QString() : first, QLatin1String(row.report));
            if (code == 2)
                QCOMPARE(observe(*w.form, QLatin1String(row.window)), QLatin1String(row.window));
        }
    }

    void writing() {
        struct Writing {
            const char *name, *before, *key, *value, *after;
        };
        // clang-format off
        const Writing rows[] = {
            {"new file", "", "Size", " 5", "[Optionen]\nSize= 5\n"},
            {"replaced in place, spelling kept", "[Optionen]\nPicture=1\nSize= 5\n", "picture", " 2",
             "[Optionen]\nPicture= 2\nSize= 5\n"},
            {"added to its section", "[Optionen]\nSize= 5\n", "PlayMusic", " 1", "[Optionen]\nSize= 5\nPlayMusic= 1\n"},
            {"CRLF stays CRLF", "[Optionen]\r\nSize= 5\r\n", "Sprache", " 0",
             "[Optionen]\r\nSize= 5\r\nSprache= 0\r\n"},
            {"lone CR stays CR", "[Optionen]\rSize= 5\r", "Sprache", " 0", "[Optionen]\rSize= 5\rSprache= 0\r"},
            {"mixed line ends kept", "; x\r\n[Optionen]\rSize=7\nPicture=1", "Size", " 3",
             "; x\r\n[Optionen]\rSize= 3\nPicture=1"},
            {"a line break only where a line follows", "[Optionen]\r\nSize=7", "Sprache", " 0",
             "[Optionen]\r\nSize=7\r\nSprache= 0\r\n"},
            {"other sections and comments kept", "; mine\n[Other]\na = 1\n\n[Optionen]\nSize= 3\n\n[Zeta]\nz=2\n",
             "Sprache", " 1000", "; mine\n[Other]\na = 1\n\n[Optionen]\nSize= 3\nSprache= 1000\n\n[Zeta]\nz=2\n"},
            {"section added at the end", "[Other]\na=1", "Size", " 5", "[Other]\na=1\n\n[Optionen]\nSize= 5\n"},
            {"only the first duplicate replaced", "[Optionen]\nSize=3\nSize=8\n", "SIZE", " 4",
             "[Optionen]\nSize= 4\nSize=8\n"},
            {"value written exactly as passed", "[Optionen]\nSize = 5\n", "Size", "  7 ",
             "[Optionen]\nSize=  7 \n"},
            {"a line break in a value adds no line", "", "Size", " 5\r[Evil]\nx=1", "[Optionen]\nSize= 5\n"},
            // Found by tests/fuzz/fuzz_profile: a lone CR and a new line's LF read back as one CR LF.
            {"lone CR before the new section's blank line", "[en]\nSize= 3\n\n[Zeta]\nz\r", "Picture", " 2",
             "[en]\nSize= 3\n\n[Zeta]\nz\r\r[Optionen]\nPicture= 2\n"},
            {"lone CR key before an LF blank line", "[Optionen]\rSize=5\n\n[Zeta]\r", "Sprache", " 0",
             "[Optionen]\rSize=5\nSprache= 0\n\n[Zeta]\r"},
        };
        // clang-format on
        for (const Writing& row : rows)
            QCOMPARE(row.name + ": "_ba + PrivateProfile::withValue(row.before, "Optionen", row.key, row.value),
                     row.name + ": "_ba + row.after);
    }

    void rewriteGoesThroughATemporaryFile() {
        QTemporaryDir dir;
        openToNobody(dir.path());
        const QString path = dir.filePath(u"Mirvel.ini"_s);
        const auto write = [&](const QString& key, const QString& value, const QString& to) {
            return PrivateProfile::writeString(u"Optionen"_s, key, value, to);
        };
        QVERIFY(write(u"Size"_s, u" 7"_s, path) && write(u"picture"_s, u" 2"_s, path));
        QCOMPARE(PrivateProfile::getInt(u"optionen"_s, u"SIZE"_s, 5, path), 7LL);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Mirvel.ini"_s});
        // The file could be opened, but no temporary file fits beside it: the old one stays.
        setMode(path, 0666);
        setMode(dir.path(), 0555);
        bool written = true;
        {
            Unprivileged asUser;
            written = write(u"Size"_s, u" 3"_s, path);
        }
        setMode(dir.path(), 0700);
        QVERIFY(!written);
        QCOMPARE(readFile(path), "[Optionen]\nSize= 7\npicture= 2\n"_ba);
        QVERIFY(!write(u"Size"_s, u" 3"_s, dir.filePath(u"missing/Mirvel.ini"_s)));
    }

    void readOnlyProgramFolderFallsBackToTheUsersFolder() {
        QTemporaryDir program;
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir().mkpath(config + u"/Mirvel"_s);
        openToNobody(config + u"/Mirvel"_s);
        setMode(program.path(), 0555);
        ProgramInfo::setFolder(program.path());
        QString used;
        rt::Integer size = 0;
        {
            Unprivileged asUser;
            used = IniFilePath();
            WriteIniString(u"Optionen"_s, u"Size"_s, u" 4"_s);
            size = GetIniInt(u"Optionen"_s, u"Size"_s, 5);
        }
        ProgramInfo::setFolder({});
        QCOMPARE(used, config + u"/Mirvel/Mirvel.ini"_s);
        QCOMPARE(size, rt::Integer(4));
        QCOMPARE(readFile(used), "[Optionen]\nSize= 4\n"_ba);
        QVERIFY(!QFile::exists(program.filePath(u"Mirvel.ini"_s)));
        QFile::remove(used);
    }

    void helpers() {
        QSet<int> seen;
        for (int i = 0; i < 300; ++i)
            seen.insert(RandomBetween(1, 3));
        QCOMPARE(seen, (QSet<int>{1, 2, 3}));
        QCOMPARE(TrimNull(QString::fromUtf16(u"/tmp/\0garbage", 13)), u"/tmp/"_s);
    }
};

MIRVEL_TEST_MAIN(TestOptions)
#include "tst_options.moc"
