// Guards the four languages: the string table holds every text in every language, the
// language menu puts all nineteen texts on the main window, moves the check mark and stores
// the choice, and saved values outside the four fall back to German.

#include "errors/RuntimeError.h"
#include "lang/Language.h"
#include "lang/StringTable.h"
#include "shell/Globals.h"
#include "support/ErrorOf.h"
#include "support/LoadedWindow.h"
#include "support/TestMain.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>

namespace {

const QList<int> BaseIds = {102, 103, 110, 111, 113, 114, 115, 116, 118, 119, 120, 121, 122, 123,
                            126, 127, 128, 133, 134, 137, 138, 144, 145, 147, 148, 149, 152};

// The nineteen texts of the main window, as shown, in the order they are applied.
QStringList windowTexts(const frmMirvel& f) {
    return {f.mnuStart->text(),      f.mnuEMail->text(),      f.mnuEnde->text(),
            f.mnuHighScore->text(),  f.mnuHilfe->title(),     f.mnuOnlinehilfe->text(),
            f.mnuOptionen->title(),  f.mnuTeile->title(),     f.mnuBilder->title(),
            f.mnuPlayMusic->title(), f.mnuMusic[0]->text(),   f.mnuMusic[1]->text(),
            f.mnuMusic[2]->text(),   f.mnuPlaySounds->text(), f.mnuSpiel->title(),
            f.mnuSprache->title(),   f.mnuUeber->text(),      f.PicBut[0]->toolTip(),
            f.PicBut[1]->toolTip()};
}
const QList<int> WindowTextIds = {137, 122, 115, 114, 120, 121, 116, 148, 152, 118,
                                  149, 133, 134, 119, 113, 138, 123, 110, 111};

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void everyTextInEveryLanguage() {
        QFile f(QStringLiteral(":/strings/strings.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QHash<int, QString> table = parseStringTable(f.readAll());
        QCOMPARE(table.size(), BaseIds.size() * 4);
        for (int offset : {0, 1000, 2000, 3000})
            for (int id : BaseIds)
                QVERIFY2(!table.value(offset + id).isEmpty(),
                         qPrintable(QString::number(offset + id)));
        QCOMPARE(LoadResString(3149), QStringLiteral("Nessuna")); // no access key
        QCOMPARE(LoadResString(2133), QStringLiteral("En &gång"));
        QCOMPARE(LoadResString(1103), QStringLiteral("TOVA progam number KLV_106"));
        QCOMPARE(LoadResString(2126), QStringLiteral("Skriv ditt nam!"));
        QCOMPARE(LoadResString(122), QStringLiteral("&Email an Kelmsoft..."));
        QCOMPARE(LoadResString(3122), QStringLiteral("&Posta elettronica a Kelmsoft"));
    }

    void tableParsing() {
        const QHash<int, QString> t =
            parseStringTable("# comment\r\n\r\n110\tSpiel starten\r\nbad line\n"
                             "x1\tno id\n\t\n1110\tStart game\twith tab\n");
        QCOMPARE(t.size(), 2);
        QCOMPARE(t.value(110), QStringLiteral("Spiel starten"));
        QCOMPARE(t.value(1110), QStringLiteral("Start game\twith tab"));
        QCOMPARE(errorOf([] { LoadResString(9999); }), 326);
    }

    void switchingLanguages_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("startTip");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("English") << 1 << "&Game"
                                 << "Start game" << QByteArray("Sprache= 1000");
        QTest::newRow("Swedish") << 2 << "&Spel"
                                 << "Starta spel" << QByteArray("Sprache= 2000");
        QTest::newRow("Italian") << 3 << "&Gioco"
                                 << "Iniziare il Gioco" << QByteArray("Sprache= 3000");
        QTest::newRow("German") << 0 << "&Spiel"
                                << "Spiel starten" << QByteArray("Sprache= 0");
    }
    void switchingLanguages() {
        QFETCH(int, index);
        QFETCH(QString, game);
        QFETCH(QString, startTip);
        QFETCH(QByteArray, saved);
        LoadedWindow w;
        frmMirvel& f = *w.form;
        const QStringList german = windowTexts(f);
        f.mnuLang[index]->trigger();
        QCOMPARE(LangOffset, rt::Integer(index * 1000));
        const QStringList shown = windowTexts(f);
        for (int i = 0; i < WindowTextIds.size(); ++i) {
            QCOMPARE(shown[i], LoadResString(index * 1000 + WindowTextIds[i]));
            if (index == 1 && i != 0) // English differs from German everywhere but "&Start"
                QVERIFY(shown[i] != german[i]);
        }
        QCOMPARE(f.mnuSpiel->title(), game);
        QCOMPARE(f.PicBut[0]->toolTip(), startTip);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.mnuLang[i]->isChecked(), i == index);
        QVERIFY(w.ini().contains(saved + '\n'));
        // Captions no language changes.
        QCOMPARE(f.mnuHomepage->text(), QStringLiteral("&Kelmsoft's Homepage..."));
        QCOMPARE(f.mnuSize[0]->text(), QStringLiteral("&3 x 3"));
        QCOMPARE(f.mnuLang[2]->text(), QStringLiteral("&Svenska"));

        // The language already in use: the same texts, the same value.
        const QByteArray before = w.ini();
        f.mnuLang[index]->trigger();
        QCOMPARE(windowTexts(f), shown);
        QCOMPARE(w.ini(), before);
    }

    void activationUsesTheFirstDigit() {
        QCOMPARE(languageIndex(0), 0);
        QCOMPARE(languageIndex(1000), 1);
        QCOMPARE(languageIndex(3000), 3);
        QCOMPARE(languageIndex(1500), 1);
        LoadedWindow w;
        LangOffset = 2000;
        w.form->Form_Activate();
        QCOMPARE(w.form->mnuSprache->title(), QStringLiteral("&Språk"));
        QVERIFY(w.form->mnuLang[2]->isChecked());
    }

    void savedValuesOutsideTheFourFallBackToGerman_data() {
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("offset");
        for (int v : {0, 1000, 2000, 3000})
            QTest::newRow(qPrintable(QString::number(v))) << v << v;
        for (int v : {1500, 4000, 9000, -1000, 999, 32767})
            QTest::newRow(qPrintable(QString::number(v))) << v << 0;
    }
    void savedValuesOutsideTheFourFallBackToGerman() {
        QFETCH(int, saved);
        QFETCH(int, offset);
        QCOMPARE(languageOffsetFromSaved(saved), rt::Integer(offset));
    }
};

MIRVEL_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
