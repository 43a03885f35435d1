// Guards the start-up and the game on the real widgets, row by row of what a player does and
// sees (the layout, the shuffle, the ways the program ends and the start language among them),
// and the clock.

#include "support/Window.h"

#include <QSignalSpy>

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void game_data() { addTableRows(u"play"_s); }
    void game() {
        QFETCH(Row, row);
        runScenario(row);
    }

    void theClockCountsTheTimersTicks() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        play(f, u"go"_s);
        QSignalSpy ticks(f.Timer1, &QTimer::timeout);
        f.Timer1->setInterval(1);
        QTRY_VERIFY(ticks.count() >= 5);
        QCOMPARE(observe(f, u"secs;lblTime.text"_s), u"secs=%1;lblTime.text=%1"_s.arg(ticks.count()));
    }
};

MIRVEL_TEST_MAIN(TestPlay)
#include "tst_play.moc"
