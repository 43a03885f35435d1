// Guards the program's numeric rules: 16-bit overflow, banker's rounding, truncating division,
// -1/0 booleans, the signed text form and the reading of a text's leading number.

#include "errors/RuntimeError.h"
#include "shell/Runtime.h"
#include "support/ErrorOf.h"
#include "support/TestMain.h"

class TestRuntime : public QObject {
    Q_OBJECT
private slots:
    void checkedWholeNumbers_data() {
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("zero") << 0LL << 0;
        QTest::newRow("largest") << 32767LL << 0;
        QTest::newRow("smallest") << -32768LL << 0;
        QTest::newRow("one above") << 32768LL << 6;
        QTest::newRow("one below") << -32769LL << 6;
        QTest::newRow("stored size 70000") << 70000LL << 6;
        QTest::newRow("far out") << 9999999999LL << 6;
    }
    void checkedWholeNumbers() {
        QFETCH(qlonglong, value);
        QFETCH(int, error);
        QCOMPARE(errorOf([&] { QCOMPARE(rt::checked(value), value); }), error);
    }

    void roundingHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("329.0") << 470 * 0.7 << 329 << 0;
        QTest::newRow("54.5 to even") << 327 / 6.0 << 54 << 0;
        QTest::newRow("55.5 to even") << 333 / 6.0 << 56 << 0;
        QTest::newRow("65.8") << 329 / 5.0 << 66 << 0;
        QTest::newRow("0.5") << 0.5 << 0 << 0;
        QTest::newRow("1.5") << 1.5 << 2 << 0;
        QTest::newRow("-2.5") << -2.5 << -2 << 0;
        QTest::newRow("-2.6") << -2.6 << -3 << 0;
        QTest::newRow("32767.4") << 32767.4 << 32767 << 0;
        QTest::newRow("32767.5 overflows") << 32767.5 << 0 << 6;
        QTest::newRow("infinity overflows") << 1.0 / 0.0 << 0 << 6;
    }
    void roundingHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QFETCH(int, error);
        rt::Integer got = 0;
        QCOMPARE(errorOf([&] { got = rt::CInt(value); }), error);
        if (!error)
            QCOMPARE(int(got), expected);
    }

    void integerArithmetic() {
        QCOMPARE(rt::idiv(355, 2), rt::Integer(177));
        QCOMPARE(rt::idiv(-7, 2), rt::Integer(-3)); // toward zero, not down
        QCOMPARE(rt::mod(-7, 2), rt::Integer(-1));
        QCOMPARE(rt::mod(23, 5), rt::Integer(3));
        QCOMPARE(errorOf([] { rt::idiv(1, 0); }), 11);
        QCOMPARE(errorOf([] { rt::idiv(-32768, -1); }), 6);
        QCOMPARE(errorOf([] { rt::mul(200, 200); }), 6);
        QCOMPARE(errorOf([] { rt::add(32767, 1); }), 6);
        QCOMPARE(rt::mul(-181, 181), rt::Integer(-32761));
    }

    void booleans() {
        QCOMPARE(rt::True, rt::Boolean(-1));
        QCOMPARE(rt::Not(rt::True), rt::False);
        QCOMPARE(rt::Not(rt::False), rt::True);
        QCOMPARE(rt::Not(rt::Not(1)), rt::Boolean(1)); // a stray value toggles to -2 and back
        QCOMPARE(rt::toBoolean(true), rt::True);
    }

    void signedTextForm_data() {
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("five") << 5LL << " 5";
        QTest::newRow("zero") << 0LL << " 0";
        QTest::newRow("minus one") << -1LL << "-1";
        QTest::newRow("thousand") << 1000LL << " 1000";
        QTest::newRow("smallest") << -32768LL << "-32768";
    }
    void signedTextForm() {
        QFETCH(qlonglong, value);
        QFETCH(QString, text);
        QCOMPARE(rt::Str(value), text);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "57" << 57.0;
        QTest::newRow("blank first") << " 1000" << 1000.0;
        QTest::newRow("digit then letters") << "5abc" << 5.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("fraction") << "3.25x" << 3.25;
        QTest::newRow("exponent") << " -3.5e1x" << -35.0;
        QTest::newRow("e without digits") << "7e" << 7.0;
        QTest::newRow("wide digits do not count") << QString::fromUtf8("٣") << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(rt::Val(text), value);
    }

    void wholeTextAsNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("time") << "57" << 57.0 << 0;
        QTest::newRow("blanks around") << " 57 " << 57.0 << 0;
        QTest::newRow("default") << "9999" << 9999.0 << 0;
        QTest::newRow("not a number") << "fast" << 0.0 << 13;
        QTest::newRow("trailing letters") << "57s" << 0.0 << 13;
        QTest::newRow("empty") << "" << 0.0 << 13;
    }
    void wholeTextAsNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, error);
        double got = 0;
        QCOMPARE(errorOf([&] { got = rt::CDbl(text); }), error);
        QCOMPARE(got, value);
    }
};

MIRVEL_TEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
