// Guards the error dialog and the trap: each continuation code acting on the failing step,
// the close button, a second report while the dialog is open, errors of untrapped callees and
// handlers, the program line, and the dialog's twip layout.

#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "errors/RuntimeError.h"
#include "support/ModalDriver.h"
#include "support/Probe.h"
#include "support/TestMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// A procedure of three steps whose second step fails `failures` times.
struct FailingProcedure {
    int failures = 1;
    int step2Runs = 0;
    bool step3Ran = false;
    void run() {
        Procedure p("Testmodul", "Failing");
        p.run({
            [] {},
            [&] {
                if (++step2Runs <= failures)
                    raiseError(ErrNo::Overflow);
            },
            [&] { step3Ran = true; },
        });
    }
};

void untrappedHelper() {
    raiseError(ErrNo::SubscriptOutOfRange);
}

} // namespace

class TestErrPtnr : public QObject {
    Q_OBJECT
private slots:
    void continuationCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("step2Runs");
        QTest::addColumn<bool>("step3Ran");
        QTest::newRow("0 retries the failing step") << 0 << 2 << true;
        QTest::newRow("1 goes on with the next step") << 1 << 1 << true;
        QTest::newRow("2 leaves the procedure") << 2 << 1 << false;
    }
    void continuationCodes() {
        QFETCH(int, code);
        QFETCH(int, step2Runs);
        QFETCH(bool, step3Ran);
        QStringList reports;
        ModalDriver driver(answer::errorsWith(code, &reports));
        FailingProcedure proc;
        proc.run();
        QCOMPARE(proc.step2Runs, step2Runs);
        QCOMPARE(proc.step3Ran, step3Ran);
        QCOMPARE(reports, QStringList{QStringLiteral("6 (Overflow)|Testmodul|Failing|2")});
    }

    void retryOfAPersistentErrorReportsAgain() {
        int reports = 0;
        ModalDriver driver([&](QWidget* w) { answer::continueWith(w, ++reports < 3 ? 0 : 2); });
        FailingProcedure proc;
        proc.failures = 100;
        proc.run();
        QCOMPARE(reports, 3);
        QCOMPARE(proc.step2Runs, 3);
        QVERIFY(!proc.step3Ran);
    }

    void endStopsTheProgramAtOnce() {
        const ProbeResult r = runProbe({QStringLiteral("end-code")});
        QVERIFY(!r.crashed);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines, (QStringList{QStringLiteral("before"), QStringLiteral("error")}));
    }

    void closingTheWindowLeavesTheProcedure() {
        ModalDriver driver([](QWidget* w) { w->close(); });
        ErrPtnr::instance().ContinueChoice = 0; // closing must not reuse an older choice
        FailingProcedure proc;
        proc.run();
        QCOMPARE(ErrPtnr::instance().ContinueChoice, std::int16_t(2));
        QVERIFY(!proc.step3Ran);
        QCOMPARE(driver.seen(), 1);
    }

    void secondReportWhileOpenLeavesAtOnce() {
        int nested = -1;
        ModalDriver driver([&](QWidget* w) {
            nested = ErrPtnr::instance().OnError(QStringLiteral("Timer"), QStringLiteral("Tick"));
            answer::continueWith(w, 1);
        });
        FailingProcedure proc;
        proc.run();
        QCOMPARE(nested, 2);
        QCOMPARE(driver.seen(), 1);
        QCOMPARE(ErrPtnr::instance().lblError[2]->text(), QStringLiteral("Failing"));
        QVERIFY(proc.step3Ran);
    }

    void untrappedCalleeIsReportedByItsCaller() {
        QStringList reports;
        ModalDriver driver(answer::errorsWith(1, &reports));
        Procedure p("Caller", "Outer");
        bool after = false;
        p.run({[] { untrappedHelper(); }, [&] { after = true; }});
        QVERIFY(after);
        QCOMPARE(reports, QStringList{QStringLiteral("9 (Subscript out of range)|Caller|Outer|1")});
    }

    void trappedCalleeReportsItself() {
        QStringList reports;
        ModalDriver driver(answer::errorsWith(2, &reports));
        bool outerGoesOn = false;
        Procedure p("Caller", "Outer");
        p.run({[] {
                   FailingProcedure inner;
                   inner.run();
               },
               [&] { outerGoesOn = true; }});
        QVERIFY(outerGoesOn);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("|Testmodul|Failing|2")));
    }

    void untrappedHandlerIsReportedUnderItsOwnNames() {
        QStringList reports;
        int runs = 0;
        ModalDriver driver([&](QWidget* w) {
            reports.append(static_cast<ErrPtnr*>(w)->lblError[2]->text() + u'|' +
                           static_cast<ErrPtnr*>(w)->lblError[3]->text());
            answer::continueWith(w, 0);
        });
        reportUntrapped("frmMirvel", "mnuBild_Click", [&] {
            if (++runs < 3)
                throw RuntimeError(ErrNo::ResourceNotFound);
        });
        QCOMPARE(runs, 3); // retried twice, then it went through
        QCOMPARE(reports, (QStringList{QStringLiteral("mnuBild_Click|0"),
                                       QStringLiteral("mnuBild_Click|0")}));
    }

    void foreignExceptionsAreReportedToo() {
        QStringList reports;
        ModalDriver driver(answer::errorsWith(2, &reports));
        Procedure p("M", "P");
        p.run({[] { throw std::runtime_error("boom"); }});
        QCOMPARE(reports, QStringList{QStringLiteral("51 (boom)|M|P|1")});
    }

    void programLineIsFilledOnceFromTheExecutable() {
        ErrPtnr& dialog = ErrPtnr::instance();
        dialog.SetProgInfo(QString());
        ModalDriver driver(answer::errorsWith(1));
        FailingProcedure().run();
        QCOMPARE(dialog.lblProgInfo->text(), QStringLiteral("tst_errptnr  V2.0.203"));
        dialog.SetProgInfo(QStringLiteral("Mirvel special"));
        FailingProcedure().run();
        QCOMPARE(dialog.lblProgInfo->text(), QStringLiteral("Mirvel special"));
        dialog.SetProgInfo(QString());
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
            dialog.cmdProtocol[1]->click();
            QTimer::singleShot(100, w, [&, w] {
                openAfterProtocolButton = w->isVisible();
                answer::continueWith(w, 1);
            });
        });
        FailingProcedure().run();
        QVERIFY(!QApplication::overrideCursor()); // the failing code's busy pointer is gone
        QVERIFY(openAfterProtocolButton);         // only the continue buttons close it
        QVERIFY2(clockTicks >= 5, "timers keep running while the dialog waits");
        QCOMPARE(focused, QStringLiteral("cmdProtocol(0)"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Fehler / Error! "));
        QCOMPARE(dialog.size(), QSize(481, 333)); // 7215 x 4995 twips
        QCOMPARE(dialog.framComment->geometry(), QRect(0, 0, 481, 65));
        QCOMPARE(dialog.framFehler->geometry(), QRect(0, 65, 481, 113));
        QCOMPARE(dialog.framProgInfo->y(), 178);
        QCOMPARE(dialog.framProtocol->y(), 219);
        QCOMPARE(dialog.framContinue->geometry(), QRect(0, 276, 481, 57));
        QCOMPARE(dialog.cmdContinue[3]->geometry(), QRect(376, 16, 89, 33));
        QCOMPARE(dialog.cmdContinue[1]->text(), QStringLiteral("&Ignorieren   Ignore"));
        QCOMPARE(dialog.framFehler->title(),
                 QStringLiteral("Fehlerbeschreibung / error description:"));
        QVERIFY(dialog.lblComment->text().startsWith(QStringLiteral("There is a problem.")));
        QCOMPARE(dialog.lblError[0]->size(), QSize(347, 45)); // the description box does not grow
        for (auto* b : dialog.cmdContinue)
            QVERIFY(!static_cast<QPushButton*>(b)->isDefault());
    }

    void lpstrToVbString() {
        QCOMPARE(ErrPtnr::LPSTRToVBString(QString::fromUtf16(u"SP1\0rest", 8)),
                 QStringLiteral("SP1"));
        QCOMPARE(ErrPtnr::LPSTRToVBString(QStringLiteral("no nul")), QString());
    }
};

MIRVEL_TEST_MAIN(TestErrPtnr)
#include "tst_errptnr.moc"
