// Guards the options file: how a value is read and what the start-up does with it, the writer
// that keeps every other line as it was, and where the file goes when the folder is read-only.

#include "shell/Allgemein.h"
#include "shell/IniLocation.h"
#include "shell/PrivateProfile.h"
#include "shell/ProgramInfo.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "support/Unprivileged.h"
#include "support/Window.h"

#include <QSet>
#include <QStandardPaths>

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void reading_data() { addTableRows(u"options-reading"_s); }
    void reading() {
        QFETCH(Row, row);
        const QByteArray ini =
            row["file"].contains(u'[') ? row["file"].toUtf8() : "[Optionen]\n" + row["file"].toUtf8();
        QCOMPARE(PrivateProfile::readInt(ini, "Optionen", row["key"].toUtf8(), -99), row["read"].toLongLong());
        // Answered with "Cancel" and with "Ignore": the program goes on either way.
        for (int code : {2, 1}) {
            QStringList seen;
            ModalDriver driver(answer::all(code, &seen));
            LoadedWindow w(ini, &driver);
            QVERIFY(w.form->isVisible());
            QCOMPARE(driver.unanswered(), 0);
            const QString first = seen.value(0).section(u' ', 0, 0) + u'|' + seen.value(0).section(u'|', 2, 3);
            QCOMPARE(seen.isEmpty() ? QString() : first, row["report"]);
            if (code == 2)
                QCOMPARE(observe(*w.form, row["window"]), row["window"]);
        }
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
