// Guards the board geometry against the worked example of a 684 x 470 client, its rounding
// cases and overflow, the decoration round the board, and the picture cutter's equal cells.

#include "render/BoardGeometry.h"
#include "render/PictureClip.h"
#include "support/TestMain.h"

struct Board {
    double W, H;
    int N, S, M, T; // S -1: error 6
};
Q_DECLARE_METATYPE(Board)

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(errorOf([] { PictureClip().GraphicCell(0); }), 5);
    }
};

MIRVEL_TEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
