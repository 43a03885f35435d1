#include "support/Window.h"

#include "render/ImageControl.h"
#include "shell/Globals.h"
#include "shell/ProgramInfo.h"
#include "shell/Random.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

void clearUserStore() {
    QSettings s(u"Mirvel"_s, u"Mirvel"_s);
    s.clear();
}
QString stored(const QString& key) {
    return QSettings(u"Mirvel"_s, u"Mirvel"_s).value(key, u"-"_s).toString();
}
void store(const QString& key, const QString& value) {
    QSettings(u"Mirvel"_s, u"Mirvel"_s).setValue(key, value);
}

LoadedWindow::LoadedWindow(const QByteArray& ini, ModalDriver* driver) {
    ProgramInfo::setFolder(folder.path());
    if (!ini.isNull())
        writeFile(iniPath(), ini.contains('[') ? ini : "[Optionen]\n" + ini);
    std::unique_ptr<ModalDriver> own;
    if (!driver)
        own = std::make_unique<ModalDriver>(answer::aboutBoxesOnly());
    form = std::make_unique<frmMirvel>();
    form->Form_Load();
    form->show();
    QTest::qWait(20); // the first activation runs after the first layout
}

LoadedWindow::~LoadedWindow() {
    ProgramInfo::setFolder({});
}

QString LoadedWindow::iniPath() const {
    return QDir(folder.path()).filePath(u"Mirvel.ini"_s);
}

std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty) {
    Randomize(seed);
    std::vector<int> walk{empty};
    int col = empty % n, row = empty / n;
    while (walk.size() <= static_cast<std::size_t>(n * n * n * n)) {
        const int d = static_cast<int>(4 * Rnd());
        if (d == 0 && col > 0)
            --col;
        else if (d == 1 && col < n - 1)
            ++col;
        else if (d == 2 && row > 0)
            --row;
        else if (d == 3 && row < n - 1)
            ++row;
        else
            continue;
        walk.push_back(row * n + col);
    }
    return walk;
}

void pressWalkBackwards(frmMirvel& f, const std::vector<int>& walk) {
    for (auto it = walk.rbegin() + 1; it != walk.rend(); ++it)
        f.imgPuzz_MouseDown(*it, Qt::LeftButton, Qt::NoModifier, 1, 1);
}

namespace {

std::uint64_t g_seed = 0;
std::vector<int> g_walk;

// A start command shuffles a solved board: replay the walk it is going to take.
void beforeStart(frmMirvel& f) {
    if (g_seed && f.IsSolved) {
        g_walk = replayShuffleWalk(g_seed, f.GridSize, f.EmptyCell);
        Randomize(g_seed);
    }
}

QString num(long long n) {
    return QString::number(n);
}
QString onOff(bool b) {
    return b ? u"on"_s : u"off"_s;
}
int checked(const auto& entries) {
    const auto it = std::find_if(entries.begin(), entries.end(), [](auto* e) { return e->isChecked(); });
    return it == entries.end() ? -1 : int(it - entries.begin());
}
bool shows(const ImageControl* tile, const QImage& image) {
    return tile->Picture().toImage().convertToFormat(image.format()) == image;
}
QString cells(frmMirvel& f, const std::function<std::optional<QString>(int)>& of) {
    QStringList list;
    for (int i = 0; i < f.GridSize * f.GridSize; ++i)
        if (const auto v = of(i))
            list.append(*v);
    return list.join(u',');
}
// A word's letters and the number that follows them ("p11": "p", 11).
std::pair<QString, int> split(const QString& word) {
    const qsizetype at = word.indexOf(QRegularExpression(u"\\d"_s));
    return {word.left(at), at < 0 ? 0 : word.mid(at).toInt()};
}

// clang-format off
using Action = std::function<void(frmMirvel&, int)>;
const std::map<QString, Action> Actions = {
    {u"p"_s, [](frmMirvel& f, int k) { QTest::mousePress(f.imgPuzz[k], Qt::LeftButton, {}, {5, 5}); }},
    {u"r"_s, [](frmMirvel& f, int k) { QTest::mousePress(f.imgPuzz[k], Qt::RightButton, {}, {5, 5}); }},
    {u"m"_s, [](frmMirvel& f, int k) { QTest::mousePress(f.imgPuzz[k], Qt::MiddleButton, {}, {5, 5}); }},
    {u"start"_s, [](frmMirvel& f, int) { beforeStart(f), f.mnuStart->trigger(); }},
    {u"go"_s, [](frmMirvel& f, int) { beforeStart(f), f.PicBut[0]->click(); }},
    {u"tick"_s, [](frmMirvel& f, int n) { for (int i = 0; i < std::max(n, 1); ++i) f.Timer1_Timer(); }},
    {u"new"_s, [](frmMirvel& f, int) { f.NewGame(); }},
    {u"size"_s, [](frmMirvel& f, int i) { f.mnuSize[i]->trigger(); }},
    {u"pic"_s, [](frmMirvel& f, int i) { f.mnuBild[i]->trigger(); }},
    {u"lang"_s, [](frmMirvel& f, int i) { f.mnuLang[i]->trigger(); }},
    {u"min"_s, [](frmMirvel& f, int) { f.showMinimized(), QTest::qWait(10); }},
    {u"restore"_s, [](frmMirvel& f, int) { f.showNormal(), QTest::qWait(10); }},
    {u"resize"_s, [](frmMirvel& f, int) { f.Form_Resize(); }},
    {u"seed"_s, [](frmMirvel&, int s) { g_seed = s; }},
    {u"solve"_s, [](frmMirvel& f, int) { pressWalkBackwards(f, g_walk); }},
    {u"kLeft"_s, [](frmMirvel& f, int) { f.activateWindow(), QTest::keyClick(&f, Qt::Key_Left); }},
    {u"kRight"_s, [](frmMirvel& f, int) { f.activateWindow(), QTest::keyClick(&f, Qt::Key_Right); }},
    {u"kUp"_s, [](frmMirvel& f, int) { f.activateWindow(), QTest::keyClick(&f, Qt::Key_Up); }},
    {u"kDown"_s, [](frmMirvel& f, int) { f.activateWindow(), QTest::keyClick(&f, Qt::Key_Down); }},
    {u"kEscape"_s, [](frmMirvel& f, int) { f.activateWindow(), QTest::keyClick(&f, Qt::Key_Escape); }},
};

using Reader = std::function<QString(frmMirvel&, int, const QString&)>;
const std::map<QString, Reader> Readers = {
    {u"N"_s, [](frmMirvel& f, int, auto&) { return num(f.GridSize); }},
    {u"empty"_s, [](frmMirvel& f, int, auto&) { return num(f.EmptyCell); }},
    {u"solved"_s, [](frmMirvel& f, int, auto&) { return num(f.IsSolved); }},
    {u"secs"_s, [](frmMirvel& f, int, auto&) { return num(f.GameSeconds); }},
    {u"time"_s, [](frmMirvel& f, int, auto&) { return f.lblTime->text(); }},
    {u"clock"_s, [](frmMirvel& f, int, auto&) { return onOff(f.Timer1->isActive()); }},
    {u"go"_s, [](frmMirvel& f, int, auto&) { return onOff(f.PicBut[0]->isEnabled()); }},
    {u"menu"_s, [](frmMirvel& f, int, auto&) { return onOff(f.mnuStart->isEnabled()); }},
    {u"champs"_s, [](frmMirvel& f, int, auto&) { return onOff(f.mnuHighScore->isEnabled()); }},
    {u"size"_s, [](frmMirvel& f, int, auto&) { return num(checked(f.mnuSize)); }},
    {u"pic"_s, [](frmMirvel& f, int, auto&) { return num(checked(f.mnuBild)); }},
    {u"lang"_s, [](frmMirvel& f, int, auto&) { return num(checked(f.mnuLang)); }},
    {u"music"_s, [](frmMirvel& f, int, auto&) { return num(checked(f.mnuMusic)); }},
    {u"sound"_s, [](frmMirvel& f, int, auto&) { return num(SoundOn) + (f.mnuPlaySounds->isChecked() ? u"+"_s : u"-"_s); }},
    {u"offset"_s, [](frmMirvel&, int, auto&) { return num(LangOffset); }},
    {u"ini"_s, [](frmMirvel&, int, auto&) { return QString::fromUtf8(readFile(QDir(ProgramInfo::folder()).filePath(u"Mirvel.ini"_s))).replace(u'\n', u'|'); }},
    {u"best"_s, [](frmMirvel&, int n, auto&) { return stored(u"Highscore/"_s + num(n)) + u'/' + stored(u"Highscore/Name"_s + num(n)); }},
    {u"shown"_s, [](frmMirvel& f, int, auto&) { return num(std::count_if(f.imgPuzz.begin(), f.imgPuzz.end(), [](auto* t) { return t && t->isVisible(); })); }},
    {u"tags"_s, [](frmMirvel& f, int, auto&) { return cells(f, [&](int i) { return std::optional(f.imgPuzz[i]->Tag()); }); }},
    {u"blank"_s, [](frmMirvel& f, int, auto&) { return cells(f, [&](int i) { return shows(f.imgPuzz[i], f.imgLeer->Picture().toImage()) ? std::optional(num(i)) : std::nullopt; }); }},
    {u"last"_s, [](frmMirvel& f, int, auto&) { const int last = f.GridSize * f.GridSize - 1; return shows(f.imgPuzz[last], f.PicClip1.GraphicCell(last).toImage()) ? u"yes"_s : u"no"_s; }},
    {u"at"_s, [](frmMirvel& f, int k, auto&) { const QRect r = f.imgPuzz[k]->geometry(); return u"%1,%2,%3,%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }},
    {u"img"_s, [](frmMirvel& f, int k, const QString& want) {
         const QStringList n = want.split(QRegularExpression(u"[@,]"_s));
         const QRect part(n[1].toInt(), n[2].toInt(), n[3].toInt(), n[4].toInt());
         return shows(f.imgPuzz[k], LoadResPicture(n[0].toInt()).toImage().copy(part)) ? want : u"other"_s; }},
};
// clang-format on

} // namespace

void play(frmMirvel& f, const QString& script) {
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        const auto [verb, n] = split(word);
        const auto it = Actions.find(verb);
        QVERIFY2(it != Actions.end(), qPrintable(word));
        it->second(f, n);
    }
}

QString observe(frmMirvel& f, const QString& expected) {
    QStringList out;
    for (const QString& pair : expected.split(u';')) {
        const QString name = pair.section(u'=', 0, 0);
        const auto [reader, k] = split(name);
        const auto it = Readers.find(reader);
        out.append(name + u'=' + (it == Readers.end() ? u"(unknown)"_s : it->second(f, k, pair.section(u'=', 1))));
    }
    return out.join(u';');
}
