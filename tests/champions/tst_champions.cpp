// Guards the champions list: which wins are records, what is kept of the name, the list as shown
// in each language, and two programs recording at the same moment.

#include "support/Window.h"

#include <QProcess>

class TestChampions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void twoProgramsRecordingAtOnce() {
        LoadedWindow w; // makes the store's folder
        QProcess a, b;
        a.start(QStringLiteral(MIRVEL_PROBE), {u"-"_s, u"name=p3 load size0 record40"_s, QString()});
        b.start(QStringLiteral(MIRVEL_PROBE), {u"-"_s, u"name=p4 load size1 record40"_s, QString()});
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitStatus() + b.exitStatus() + a.exitCode() + b.exitCode(), 0); // neither crashed
        QCOMPARE(observe(*w.form, u"best3;best4"_s), u"best3=1/p3;best4=1/p4"_s);
    }
};

MIRVEL_TEST_MAIN(TestChampions)
#include "tst_champions.moc"
