// Guards the options file: how a value is read and what the start-up does with it, and the
// writer that keeps every other line as it was and replaces the file only whole.

#include "shell/PrivateProfile.h"
#include "support/Window.h"

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
};

MIRVEL_TEST_MAIN(TestOptions)
#include "tst_options.moc"
