// Guards the program's numeric rules: 16-bit overflow, rounding halves to even, truncating
// division, complement toggles, the signed text form and reading numbers from texts.

#include "shell/Runtime.h"
#include "support/TestMain.h"

struct Op {
    const char* op;
    double a, b;
    int result; // or the error number raised, when `error` is set
    bool error;
};
struct Text {
    const char16_t* text;
    double val;  // its leading number
    double cdbl; // read as a whole number text; -999 for error 13
};
Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Text)

class TestRuntime : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbers_data() {
        const double inf = std::numeric_limits<double>::infinity();
        // clang-format off
        static const Op rows[] = {
            {"checked", 32767, 0, 32767, false}, {"checked", -32768, 0, -32768, false},
            {"checked", 32768, 0, 6, true},      {"checked", -32769, 0, 6, true},
            {"CInt", 327 / 6.0, 0, 54, false},   {"CInt", 333 / 6.0, 0, 56, false},
            {"CInt", 0.5, 0, 0, false},          {"CInt", 1.5, 0, 2, false},
            {"CInt", -2.5, 0, -2, false},        {"CInt", -2.6, 0, -3, false},
            {"CInt", 32767.4, 0, 32767, false},  {"CInt", 32767.5, 0, 6, true},
            {"CInt", inf, 0, 6, true},           {"CLng", 2147483647.5, 0, 6, true},
            {"idiv", 355, 2, 177, false},        {"idiv", -7, 2, -3, false},
            {"idiv", 1, 0, 11, true},            {"idiv", -32768, -1, 6, true},
            {"mod", -7, 2, -1, false},           {"mod", 23, 5, 3, false},
            {"mul", 200, 200, 6, true},          {"mul", -181, 181, -32761, false},
            {"add", 32767, 1, 6, true},          {"Not", -1, 0, 0, false},
            {"Not", 0, 0, -1, false},            {"Not", 1, 0, -2, false},
        };
        // clang-format on
        addRows(rows, [](const Op& r) { return u"%1(%2, %3)"_s.arg(r.op).arg(r.a).arg(r.b); });
    }
    void wholeNumbers() {
        QFETCH(Op, row);
        const auto i = [](double v) { return static_cast<rt::Integer>(v); };
        const QLatin1String op(row.op);
        long long got = 0;
        const int raised = errorOf([&] {
            got = op == "checked" ? rt::checked(static_cast<long long>(row.a))
                  : op == "CInt"  ? rt::CInt(row.a)
                  : op == "CLng"  ? rt::CLng(row.a)
                  : op == "idiv"  ? rt::idiv(i(row.a), i(row.b))
                  : op == "mod"   ? rt::mod(i(row.a), i(row.b))
                  : op == "mul"   ? rt::mul(i(row.a), i(row.b))
                  : op == "add"   ? rt::add(i(row.a), i(row.b))
                                  : rt::Not(i(row.a));
        });
        QCOMPARE(raised ? raised : got, static_cast<long long>(row.result));
        QCOMPARE(raised != 0, row.error);
    }

    void texts_data() {
        // clang-format off
        static const Text rows[] = {
            {u"57", 57, 57}, {u" 57 ", 57, 57}, {u" 1000", 1000, 1000}, {u"5abc", 5, -999},
            {u"abc", 0, -999}, {u"", 0, -999}, {u"-1", -1, -1}, {u"-", 0, -999}, {u"3.25x", 3.25, -999},
            {u" -3.5e1x", -35, -999}, {u"7e", 7, -999}, {u"\u0663", 0, -999}, {u"0", 0, 0},
        };
        // clang-format on
        addRows(rows, [](const Text& r) { return u'"' + QString::fromUtf16(r.text) + u'"'; });
    }
    void texts() {
        QFETCH(Text, row);
        const QString text = QString::fromUtf16(row.text);
        QCOMPARE(rt::Val(text), row.val);
        double got = 0;
        const int raised = errorOf([&] { got = rt::CDbl(text); });
        QCOMPARE(raised ? -999.0 : got, row.cdbl);
        QCOMPARE(raised, row.cdbl == -999 ? 13 : 0);
        // The signed text form of the whole numbers among them.
        if (row.cdbl != -999)
            QCOMPARE(rt::Str(static_cast<long long>(row.cdbl)), (row.cdbl < 0 ? u""_s : u" "_s) + text.trimmed());
    }
};

MIRVEL_TEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
