// Guards the board geometry against the worked example of a 684 x 470 client, its rounding
// cases and overflow, the decoration round the board, and the picture cutter's equal cells.

#include "errors/RuntimeError.h"
#include "render/BoardGeometry.h"
#include "render/PictureClip.h"
#include "support/ErrorOf.h"
#include "support/TestMain.h"

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void workedExample() {
        const BoardGeometry g = boardGeometry(684, 470, 5);
        QCOMPARE(g.S, rt::Integer(329));
        QCOMPARE(g.M, rt::Integer(177));
        QCOMPARE(g.T, rt::Integer(66));
        for (int c = 0; c < 5; ++c)
            QCOMPARE(tileLeft(g, 5, c), 182.0 + 66 * c);
        for (int r = 0; r < 5; ++r)
            QVERIFY(qFuzzyCompare(tileTop(g, 5, r), 37.9 + 66 * r));

        const DecorationLayout d = decorationLayout(g, tileTop(g, 5, 0), 37, 65);
        QCOMPARE(d.frame.left(), 174.0);
        QCOMPARE(d.frame.width(), 343.0);
        QCOMPARE(d.frame.height(), 342.0);
        QVERIFY(qFuzzyCompare(d.frame.top(), 32.9));
        QCOMPARE(d.rightShutter.left(), 524.0);
        QVERIFY(qFuzzyCompare(d.leftShutter.right(), 171.0)); // 6 pixels left of M
        QVERIFY(qFuzzyCompare(d.leftShutter.height(), 1.06 * 329));
        QVERIFY(qFuzzyCompare(d.sillY, 37.9 + 329 + 17));
        QCOMPARE(d.sillX1, 167.0);
        QCOMPARE(d.sillX2, 521.0);
        // Buttons and clock sit centred on the right shutter, a sixth and a third down.
        const double center = 524 + 0.45 * 329 / 2;
        QVERIFY(qFuzzyCompare(d.button[0].x() + 37 / 2.0, center));
        QVERIFY(qFuzzyCompare(d.clock.x() + 65 / 2.0, center));
        QVERIFY(qFuzzyCompare(d.button[0].y(), 37.9 + 30));
        QVERIFY(qFuzzyCompare(d.button[1].y(), 37.9 + 30 + 339 / 6.0));
        QVERIFY(qFuzzyCompare(d.clock.y(), 37.9 + 30 + 339 / 3.0));
    }

    void rounding_data() {
        QTest::addColumn<int>("S");
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("T");
        QTest::newRow("54.5 to even") << 327 << 6 << 54;
        QTest::newRow("55.5 to even") << 333 << 6 << 56;
        QTest::newRow("65.8 up") << 329 << 5 << 66;
        QTest::newRow("41.125 down") << 329 << 8 << 41;
        QTest::newRow("109.67 for 3") << 329 << 3 << 110;
    }
    void rounding() {
        QFETCH(int, S);
        QFETCH(int, N);
        QFETCH(int, T);
        QCOMPARE(tileSide(S, N), rt::Integer(T));
    }

    void marginAndSide() {
        QCOMPARE(boardLeft(684, 329), rt::Integer(177));  // 355 halved, truncated
        QCOMPARE(boardLeft(100, 329), rt::Integer(-114)); // toward zero, not down
        QCOMPARE(boardSide(470), rt::Integer(329));
        QCOMPARE(boardSide(465), rt::Integer(326)); // 325.5 to even
        QCOMPARE(boardSide(475), rt::Integer(332)); // 332.5 to even
    }

    void absurdWindowOverflows() {
        QCOMPARE(errorOf([] { boardGeometry(100000, 470, 5); }), 6);
        // M + N + 7T passes 32767.
        QCOMPARE(errorOf([] { tileLeft(boardGeometry(60000, 40000, 8), 8, 7); }), 6);
    }

    void cutterCells_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("cell");
        QTest::newRow("400/3 first") << QSize(400, 400) << 3 << 0 << QRect(0, 0, 133, 133);
        QTest::newRow("400/3 last drops the border")
            << QSize(400, 400) << 3 << 8 << QRect(266, 266, 133, 133);
        QTest::newRow("400/5 row major") << QSize(400, 400) << 5 << 7 << QRect(160, 80, 80, 80);
        QTest::newRow("400x401/7") << QSize(400, 401) << 7 << 48 << QRect(342, 342, 57, 57);
        QTest::newRow("400x401/8") << QSize(400, 401) << 8 << 9 << QRect(50, 50, 50, 50);
    }
    void cutterCells() {
        QFETCH(QSize, picture);
        QFETCH(int, n);
        QFETCH(int, index);
        QFETCH(QRect, cell);
        QCOMPARE(clipCellRect(picture, n, n, index), cell);
    }

    void cutterHandsOutCellsOfTheCurrentPicture() {
        QImage image(400, 401, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100 + (y / 256)));
        PictureClip clip;
        clip.setRows(6);
        clip.setCols(6);
        clip.setPicture(QPixmap::fromImage(image));
        QCOMPARE(clip.Rows(), 6); // a new picture keeps the counts
        for (int i : {0, 7, 35}) {
            const QImage cell = clip.GraphicCell(i).toImage();
            const QRect r = clipCellRect(image.size(), 6, 6, i);
            QCOMPARE(cell.size(), QSize(66, 66));
            QCOMPARE(cell.pixel(0, 0), image.pixel(r.topLeft()));
            QCOMPARE(cell.pixel(65, 65), image.pixel(r.bottomRight()));
        }
        QCOMPARE(errorOf([&] { clip.GraphicCell(36); }), 9);
        QCOMPARE(errorOf([] { PictureClip().GraphicCell(0); }), 5);
    }
};

MIRVEL_TEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
