// Guards the options file: how a value is read and what the start-up does with it, the writer
// that keeps every other line as it was, and where the file goes when the folder is read-only.

#include "shell/Allgemein.h"
#include "shell/IniLocation.h"
#include "shell/PrivateProfile.h"
#include "shell/ProgramInfo.h"
#include "support/Window.h"

#include <QStandardPaths>

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void reading_data() { addTableRows(u"options-reading"_s); }
    void reading() {
        QFETCH(Row, row);
        const QString ini = row["file"].contains(u'[') ? row["file"] : u"[Optionen]\n"_s + row["file"];
        QCOMPARE(PrivateProfile::readInt(ini.toUtf8(), "Optionen", row["key"].toUtf8(), -99), row["read"].toLongLong());
        // Answered with "Cancel" and with "Ignore": the program goes on either way.
        runScenario({{u"ini"_s, ini}, {u"expected"_s, u"reports="_s + row["report"] + u';' + row["window"]}});
        runScenario({{u"ini"_s, ini}, {u"script"_s, u"answer=1"_s}, {u"expected"_s, u"reports="_s + row["report"]}});
    }

    void writing_data() { addTableRows(u"options-writing"_s); }
    void writing() {
        QFETCH(Row, row);
        QCOMPARE(
            PrivateProfile::withValue(row["before"].toUtf8(), "Optionen", row["key"].toUtf8(), row["value"].toUtf8()),
            row["after"].toUtf8());
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
};

MIRVEL_TEST_MAIN(TestOptions)
#include "tst_options.moc"
