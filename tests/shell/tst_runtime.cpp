// Guards the program's numeric rules (16-bit overflow, rounding halves to even, truncating
// division, numbers in texts) and what is computed by them: the board geometry and the cutter.

#include "render/BoardGeometry.h"
#include "render/PictureClip.h"
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
struct Board {
    double W, H;
    int N, S, M, T; // S -1: error 6
};
Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Board)
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

    void board_data() {
        // clang-format off
        static const Board rows[] = {
            {684, 470, 5, 329, 177, 66},      // the worked example; 355 halved, truncated
            {684, 470, 3, 329, 177, 110},     // 109.67 up
            {684, 470, 8, 329, 177, 41},      // 41.125 down
            {684, 467.1429, 6, 327, 178, 54}, // 54.5 to even
            {684, 475.7143, 6, 333, 175, 56}, // 55.5 to even
            {684, 465, 5, 326, 179, 65},      // 325.5 to even
            {100, 470, 5, 329, -114, 66},     // toward zero, not down
            {100000, 470, 5, -1, 0, 0},       // M passes 32767
        };
        // clang-format on
        addRows(rows, [](const Board& r) { return u"%1 x %2, N %3"_s.arg(r.W).arg(r.H).arg(r.N); });
    }
    void board() {
        QFETCH(Board, row);
        BoardGeometry g;
        const int error = errorOf([&] { g = boardGeometry(row.W, row.H, row.N); });
        QCOMPARE(error, row.S < 0 ? 6 : 0);
        if (!error)
            QCOMPARE(QList<int>({g.S, g.M, g.T}), QList<int>({row.S, row.M, row.T}));
    }

    void workedExample() {
        const BoardGeometry g = boardGeometry(684, 470, 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tileLeft(g, 5, i), 182.0 + 66 * i);
            QVERIFY(qFuzzyCompare(tileTop(g, 5, i), 37.9 + 66 * i));
        }
        const DecorationLayout d = decorationLayout(g, tileTop(g, 5, 0), 37, 65);
        const double shutter = 0.45 * 329, center = 524 + shutter / 2, top = 37.9 + 30;
        QCOMPARE(d.frame, QRectF(174, 32.9, 343, 342));
        QCOMPARE(d.leftShutter, QRectF(177 - shutter - 6, 22.9, shutter, 1.06 * 329));
        QCOMPARE(d.rightShutter.left(), 524.0);
        QCOMPARE(QList<double>({d.sillX1, d.sillX2, d.sillY}), QList<double>({167, 521, 37.9 + 329 + 17}));
        // Buttons and clock sit centred on the right shutter, a sixth and a third down.
        QCOMPARE(d.button[0], QPointF(center - 18.5, top));
        QCOMPARE(d.button[1], QPointF(center - 18.5, top + 339 / 6.0));
        QCOMPARE(d.clock, QPointF(center - 32.5, top + 339 / 3.0));
        // M + N + 7T passes 32767.
        QCOMPARE(errorOf([] { tileLeft(boardGeometry(60000, 40000, 8), 8, 7); }), 6);
    }

    void cutter() {
        QCOMPARE(clipCellRect({400, 400}, 3, 3, 8), QRect(266, 266, 133, 133));
        QCOMPARE(clipCellRect({400, 400}, 5, 5, 7), QRect(160, 80, 80, 80)); // row by row
        QCOMPARE(clipCellRect({400, 401}, 7, 7, 48), QRect(342, 342, 57, 57));
        // The cells of the picture it holds now, only as many as the grid has.
        QImage image(400, 401, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100 + (y / 256)));
        PictureClip clip;
        clip.setRows(6);
        clip.setCols(6);
        clip.setPicture(QPixmap::fromImage(image)); // keeps the counts
        for (int i : {0, 7, 35})
            QCOMPARE(clip.GraphicCell(i).toImage(), image.copy(clipCellRect(image.size(), 6, 6, i)));
        QCOMPARE(errorOf([&] { clip.GraphicCell(36); }), 9);
        // A HiDPI drawing: the same cells on screen, each with all of its own pixels.
        QPixmap sharp = QPixmap::fromImage(image.scaled(800, 802));
        sharp.setDevicePixelRatio(2);
        clip.setPicture(sharp);
        const QRect cell = clipCellRect(image.size(), 6, 6, 7);
        QCOMPARE(clip.GraphicCell(7).devicePixelRatio(), 2.0);
        QCOMPARE(clip.GraphicCell(7).toImage(), sharp.toImage().copy(QRect(cell.topLeft() * 2, cell.size() * 2)));
        QCOMPARE(errorOf([] { PictureClip().GraphicCell(0); }), 5);
    }
};

MIRVEL_TEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
