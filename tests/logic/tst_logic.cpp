// Guards the program's pure logic, values in and values out, without a window or a file of the
// user's: the numeric rules (16-bit overflow, rounding halves to even, truncating division,
// numbers in texts), the board's geometry and the cutter, the options file's writer, the
// string table, the MIDI commands and the sound effects as read.

#include "lang/StringTable.h"
#include "render/BoardGeometry.h"
#include "render/PictureClip.h"
#include "shell/PrivateProfile.h"
#include "shell/Runtime.h"
#include "sound/MciCommand.h"
#include "sound/WaveFile.h"
#include "support/LogicMain.h"

using texts::text;

class TestLogic : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbers_data() { addTableRows(u"runtime-numbers"_s); }
    void wholeNumbers() {
        QFETCH(Row, row);
        const QString op = row["op"];
        const double x = row["a"].toDouble();
        // Only the 16-bit operations convert: a double out of their range is no Integer.
        const auto a = [&] { return static_cast<rt::Integer>(x); };
        const auto b = [&] { return static_cast<rt::Integer>(row["b"].toInt()); };
        long long got = 0;
        const int raised = errorOf([&] {
            got = op == u"checked" ? rt::checked(static_cast<long long>(x))
                  : op == u"CInt"  ? rt::CInt(x)
                  : op == u"CLng"  ? rt::CLng(x)
                  : op == u"idiv"  ? rt::idiv(a(), b())
                  : op == u"mod"   ? rt::mod(a(), b())
                  : op == u"mul"   ? rt::mul(a(), b())
                  : op == u"add"   ? rt::add(a(), b())
                                   : rt::Not(a());
        });
        QCOMPARE(raised ? u"error %1"_s.arg(raised) : QString::number(got), row["result"]);
    }

    void texts_data() { addTableRows(u"runtime-texts"_s); }
    void texts() {
        QFETCH(Row, row);
        QCOMPARE(rt::Val(row["text"]), row["val"].toDouble());
        double got = 0;
        const int raised = errorOf([&] { got = rt::CDbl(row["text"]); });
        QCOMPARE(raised ? u"error"_s : QString::number(got), row["cdbl"]);
        QCOMPARE(raised, row["cdbl"] == u"error" ? 13 : 0);
        // The signed text form of the whole numbers among them.
        if (!raised)
            QCOMPARE(rt::Str(static_cast<long long>(got)), (got < 0 ? u""_s : u" "_s) + row["text"].trimmed());
    }

    void board_data() { addTableRows(u"runtime-board"_s); }
    void board() {
        QFETCH(Row, row);
        BoardGeometry g;
        const int error = errorOf([&] {
            g = boardGeometry(row["W"].toDouble(), row["H"].toDouble(), row["N"].toInt());
            tileLeft(g, row["N"].toInt(), row["N"].toInt() - 1); // M + N + (N - 1) T is a 16-bit sum too
        });
        const QString smt = row["S"] + u' ' + row["M"] + u' ' + row["T"];
        QCOMPARE(error ? u"error"_s : u"%1 %2 %3"_s.arg(g.S).arg(g.M).arg(g.T), row["S"] == u"error" ? row["S"] : smt);
        QCOMPARE(error, row["S"] == u"error" ? 6 : 0);
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

    void writing_data() { addTableRows(u"options-writing"_s); }
    void writing() {
        QFETCH(Row, row);
        QCOMPARE(
            PrivateProfile::withValue(row["before"].toUtf8(), "Optionen", row["key"].toUtf8(), row["value"].toUtf8()),
            row["after"].toUtf8());
    }

    // A file name comes back from the options file as it went in, whatever its ends hold.
    void textKept() {
        for (const QByteArray name :
             {"/a/b.png", "/a/b ", " /a", "\"/x\"", "'y'", "/x\"", "/k=v;[s]", "/t\t", "/\xc3\xbc\"\"", "\"", "  "}) {
            const QByteArray file = PrivateProfile::withValue("[Optionen]\nSize= 5\n", "Optionen", "PictureFile",
                                                              PrivateProfile::quotedText(name));
            QCOMPARE(PrivateProfile::findText(file, "Optionen", "PictureFile"), std::optional(name));
            QCOMPARE(PrivateProfile::readInt(file, "Optionen", "Size", 0), 5);
        }
    }

    void stringTable() {
        QFile file(u":/strings/strings.txt"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        int ids = 0;
        for (const QStringList& row : table(u"texts"_s).rows) {
            bool numeric = false;
            const int id = row[0].toInt(&numeric);
            for (int lang = 0; numeric && lang < 4; ++lang)
                QCOMPARE(LoadResString(lang * 1000 + id), text(row[0], lang));
            ids += numeric;
        }
        QCOMPARE(parseStringTable(file.readAll()).size(), 4 * ids); // no others
        QCOMPARE(errorOf([] { LoadResString(9999); }), 326);
    }

    void commands_data() { addTableRows(u"mci-commands"_s); }
    void commands() {
        QFETCH(Row, row);
        const auto c = parseMciCommand(row["command"]);
        const QStringList read = c ? QStringList{c->verb, c->device, c->file, c->alias, c->item} : QStringList();
        QCOMPARE(read.join(u'|'), row["parsed"]);
    }

    // The effects compiled in, and damaged copies, which are refused: never read past their end.
    void effects_data() { addTableRows(u"sound-effects"_s); }
    void effects() {
        QFETCH(Row, row);
        const auto w = parseWave(changed(resource(row["resource"]), row["change"]));
        QCOMPARE(w ? u"%1 Hz, %2 channel, %3 bits, %4 samples"_s.arg(w->sampleRate)
                         .arg(w->channels)
                         .arg(w->bitsPerSample)
                         .arg(w->samples.size())
                   : u"refused"_s,
                 row["read"]);
    }
};

MIRVEL_LOGIC_TEST_MAIN(TestLogic)
#include "tst_logic.moc"
