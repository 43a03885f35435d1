// Guards the error dialog and the trap: every trap with the continuation codes and the close
// button (traps.tsv), a second report while the dialog is open, who reports an error (the
// trapped callee, the caller of an untrapped one, the handler itself), the program line, and
// the dialog as shown: its twip layout, focus, running timers, the busy pointer taken back.

#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "support/Window.h"

namespace {

// A procedure of three steps whose second step fails once; the third notes that it ran.
bool failOnce() {
    bool third = false, failed = false;
    Procedure("Testmodul", "Failing")
        .run({[] {},
              [&] {
                  if (!std::exchange(failed, true))
                      raiseError(ErrNo::Overflow);
              },
              [&] { third = true; }});
    return third;
}

} // namespace

class TestErrPtnr : public QObject {
    Q_OBJECT
private slots:
    // Every trapped procedure, made to fail, reports under its own module and name, and the
    // code it is answered with acts on it.
    void everyTrap_data() { addTableRows(u"traps"_s); }
    void everyTrap() {
        QFETCH(Row, row);
        runScenario(row);
    }

    void secondReportWhileOpenLeavesAtOnce() {
        int nested = -1;
        ModalDriver driver([&](QWidget* w) {
            nested = ErrPtnr::instance().OnError(u"Timer"_s, u"Tick"_s);
            answer::continueWith(w, 1);
        });
        const bool third = failOnce();
        QCOMPARE(nested, 2);
        QCOMPARE(driver.seen(), 1);
        QCOMPARE(ErrPtnr::instance().lblError[2]->text(), u"Failing"_s);
        QVERIFY(third);
    }

    void whoReports() {
        QStringList seen;
        bool after = false;
        {
            ModalDriver driver(answer::all(1, &seen));
            Procedure p("Caller", "Outer");
            p.run({
                [] { raiseError(ErrNo::SubscriptOutOfRange); }, // as from an untrapped callee
                [] { failOnce(); },                             // a trapped callee reports itself
                [] { throw std::runtime_error("boom"); },       // not one of ours
                [] {
                    Procedure callee("Callee", "Disarmed"); // its trap off: the caller reports
                    callee.run({[&] { callee.disarm(); }, [] { raiseError(ErrNo::Overflow); }});
                },
                [&] { after = true; },
            });
        }
        QVERIFY(after);
        // A handler with no trap reports under its own names, line 0; Retry runs it again.
        int runs = 0;
        ModalDriver driver(answer::all(0, &seen));
        reportUntrapped("frmMirvel", "mnuBild_Click", [&] {
            if (++runs < 3)
                raiseError(ErrNo::ResourceNotFound);
        });
        QCOMPARE(runs, 3);
        QCOMPARE(seen,
                 (QStringList{u"9 (Subscript out of range)|Caller|Outer|1"_s, u"6 (Overflow)|Testmodul|Failing|2"_s,
                              u"51 (boom)|Caller|Outer|3"_s, u"6 (Overflow)|Caller|Outer|4"_s,
                              u"326 (Resource not found)|frmMirvel|mnuBild_Click|0"_s,
                              u"326 (Resource not found)|frmMirvel|mnuBild_Click|0"_s}));
    }

    // The caller's program line, or else the executable's (tests/data/texts-shown.tsv).
    void programLine() {
        ErrPtnr::instance().SetProgInfo(u"Mirvel special"_s);
        ModalDriver driver(answer::all(1));
        failOnce();
        QCOMPARE(ErrPtnr::instance().lblProgInfo->text(), u"Mirvel special"_s);
        ErrPtnr::instance().SetProgInfo(QString());
        QCOMPARE(ErrPtnr::LPSTRToVBString(QString::fromUtf16(u"SP1\0rest", 8)), u"SP1"_s);
        QCOMPARE(ErrPtnr::LPSTRToVBString(u"no nul"_s), QString());
    }

    void dialogAsShown() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        ErrPtnr& dialog = ErrPtnr::instance();
        QString focused;
        bool openAfterProtocolButton = false;
        int clockTicks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&] { ++clockTicks; });
        clock.start(10);
        ModalDriver driver([&](QWidget* w) {
            focused = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            dialog.cmdProtocol[3]->click(); // copies and opens the homepage, no message
            QTimer::singleShot(100, w, [&, w] {
                openAfterProtocolButton = w->isVisible();
                answer::continueWith(w, 1);
            });
        });
        failOnce();
        QVERIFY(!QApplication::overrideCursor()); // the failing code's busy pointer is gone
        QVERIFY(openAfterProtocolButton);         // only the continue buttons close it
        QVERIFY2(clockTicks >= 5, "timers keep running while the dialog waits");
        QCOMPARE(focused, u"cmdProtocol(0)"_s);
        QCOMPARE(dialog.size(), QSize(481, 333)); // 7215 x 4995 twips, not grown by a long text
        QCOMPARE(dialog.lblError[0]->size(), QSize(340, 45));
        for (auto* b : dialog.cmdContinue)
            QVERIFY(!b->isDefault());
    }
};

MIRVEL_TEST_MAIN(TestErrPtnr)
#include "tst_errptnr.moc"
