#include "support/Window.h"

#include "about/frmInfo.h"
#include "errors/Procedure.h"
#include "render/ImageControl.h"
#include "shell/ProgramInfo.h"
#include "shell/Random.h"
#include "shell/UserStore.h"
#include "sound/MidiDevice.h"
#include "support/ProgramTexts.h"

#include <QAccessible>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
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
QString userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/Mirvel"_s;
}
void clearUserStore() {
    QFile::remove(userFolder() + u"/Mirvel.conf"_s);
}
QString stored(const QString& key) {
    return GetSetting(u"Mirvel"_s, key.section(u'/', 0, 0), key.section(u'/', 1), u"-"_s);
}
void store(const QString& key, const QString& value) {
    SaveSetting(u"Mirvel"_s, key.section(u'/', 0, 0), key.section(u'/', 1), value);
}

int tuneOnDisk() {
    const QByteArray file = readFile(MidiFilePath);
    for (int id : {101, 102, 103})
        if (file == readFile(u":/midi/%1"_s.arg(id)))
            return id;
    return 0;
}
QString effect() {
    for (const char* id : {"101", "102", "103"})
        if (SoundBuffer == readFile(u":/wav/"_s + QLatin1String(id)))
            return QString::fromLatin1(id);
    return SoundBuffer.isEmpty() ? u"none"_s : u"other"_s;
}

LoadedWindow::LoadedWindow(const QByteArray& ini, ModalDriver* driver) {
    ProgramInfo::setFolder(qEnvironmentVariable("MIRVEL_TEST_FOLDER", folder.path())); // a probe's may be given
    if (!ini.isNull())
        writeFile(iniPath(), ini.contains('[') ? ini : "[Optionen]\n" + ini);
    std::unique_ptr<ModalDriver> own(driver ? nullptr : new ModalDriver(answer::all()));
    form = std::make_unique<frmMirvel>();
    form->Form_Load();
    form->show();
    QTest::qWait(20); // the first activation runs after the first layout
}
LoadedWindow::~LoadedWindow() {
    ProgramInfo::setFolder({});
}
QString LoadedWindow::iniPath() const {
    return ProgramInfo::folder() + u"/Mirvel.ini"_s;
}

QByteArray changed(QByteArray data, const QString& change) {
    const QStringList word = change.split(u' ');
    const auto at = [&](const QString& where) {
        return where.endsWith(u'%')     ? data.size() * where.chopped(1).toInt() / 100
               : where.startsWith(u'-') ? data.size() + where.toInt()
                                        : where.toInt(nullptr, 0);
    };
    if (word[0] == u"text")
        data = change.mid(5).toLatin1();
    else if (word[0] == u"cut")
        data.truncate(at(word[1]));
    else if (word[0] == u"flip")
        data[at(word[1])] = char(~data[at(word[1])]);
    else if (word[0] == u"set") {
        const qsizetype anchor = data.indexOf(QByteArray::fromHex(word[1].toLatin1()));
        const QByteArray value = QByteArray::fromHex(word[3].toLatin1());
        data.replace(anchor + word[2].toInt(), value.size(), value);
    }
    return data;
}

std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty) {
    Randomize(seed);
    std::vector<int> walk{empty};
    const int dc[] = {-1, 1, 0, 0}, dr[] = {0, 0, -1, 1};
    while (walk.size() <= static_cast<std::size_t>(n * n * n * n)) {
        const int d = static_cast<int>(4 * Rnd());
        const int col = walk.back() % n + dc[d], row = walk.back() / n + dr[d];
        if (col >= 0 && col < n && row >= 0 && row < n)
            walk.push_back(row * n + col);
    }
    return walk;
}

void pressWalkBackwards(frmMirvel& f, const std::vector<int>& walk, bool keys) {
    for (auto it = walk.rbegin() + 1; it != walk.rend(); ++it) {
        const int step = *it - *(it - 1); // where the blank goes
        if (keys)
            QTest::keyClick(&f, step == 1    ? Qt::Key_Right
                                : step == -1 ? Qt::Key_Left
                                : step > 0   ? Qt::Key_Down
                                             : Qt::Key_Up);
        else
            f.imgPuzz_MouseDown(*it, Qt::LeftButton, Qt::NoModifier, 1, 1);
    }
}

namespace {

std::uint64_t g_seed = 0;
std::vector<int> g_walk;
// What the scenario's modal windows are answered with, and what they showed.
int g_code = 2, g_failures = 1, g_waitMs = 0;
QString g_name, g_during;
QStringList g_seen, g_clicks; // g_clicks: clicked or read in each about box and error dialog
bool g_desktop = true;        // whether the scenario catches what goes to the desktop
UrlCatcher* g_urls = nullptr; // what went to the desktop
std::optional<Unprivileged> g_nobody;
std::optional<QTemporaryDir> g_closedTemp;

// A word that sets a scenario up.
void setUp(const QString& word) {
    const QString key = word.section(u'=', 0, 0);
    const QString value = QUrl::fromPercentEncoding(word.section(u'=', 1).toUtf8());
    if (key == u"answer")
        g_code = value == u"close" ? -1 : value.toInt();
    else if (key == u"wait")
        g_waitMs = value.toInt();
    else if (key == u"during")
        g_during = value;
    else if (key == u"name")
        g_name = value;
    else if (key == u"store")
        store(value.section(u':', 0, 0), value.section(u':', 1));
    else if (key == u"fails")
        g_failures = value.toInt();
    else if (key == u"fail")
        g_beforeStep = [steps = value.split(u','), times = g_failures](const char* module, const char* proc,
                                                                       int line) mutable {
            const QString step = u"%1.%2:%3"_s.arg(QLatin1String(module), QLatin1String(proc)).arg(line);
            if ((steps.contains(step) || steps.contains(step.section(u':', 0, 0))) && times > 0 && times--)
                raiseError(ErrNo::Overflow);
        };
    else if (key == u"click")
        g_clicks = value.split(u',');
    else if (key == u"desktop")
        g_desktop = value != u"none";
    else if (key == u"as") { // the user "nobody", who may write the user's folder only
        QDir().mkpath(userFolder()), openToNobody(userFolder()), openToNobody(ProgramInfo::folder());
        setMode(ProgramInfo::folder(), 0555);
        g_nobody.emplace();
    } else if (key == u"busy") // the pointer, set busy that many times
        for (int i = 0; i < value.toInt(); ++i)
            QApplication::setOverrideCursor(Qt::BusyCursor);
    else if (key == u"temp") { // closed to the user
        setMode(g_closedTemp.emplace().path(), 0555);
        qputenv("TMPDIR", QFile::encodeName(g_closedTemp->path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(g_closedTemp->path()));
    } else if (key != u"locale") // the environment of a scenario played apart
        QFAIL(qPrintable(u"no such setting: "_s + word));
}

// A start command shuffles a solved board: replay the walk it is going to take.
void beforeStart(frmMirvel& f) {
    if (g_seed && f.IsSolved) {
        g_walk = replayShuffleWalk(g_seed, f.GridSize, f.EmptyCell);
        Randomize(g_seed);
    }
}

// A closed menu leaves the offscreen platform without an active window; a desktop gives the
// activation back to the main window, and its shortcuts need it.
void activate(frmMirvel& f) {
    QApplication::setActiveWindow(&f);
}

QString num(long long n) {
    return QString::number(n);
}
QString onOff(bool b) {
    return b ? u"on"_s : u"off"_s;
}
QString checked(const auto& entries) {
    const auto it = std::find_if(entries.begin(), entries.end(), [](auto* e) { return e->isChecked(); });
    return num(it == entries.end() ? -1 : it - entries.begin());
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
QString rect(const QRect& r) {
    return u"%1,%2,%3,%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
// "OBJECT.PROPERTY": a Qt property of the control, menu or entry of that name, of the window or
// of another window of the program ("mnuMusic(1)": the entry of index 1 of those so named);
// "name" is what a screen reader is told of it, "focus" the control last focused in it.
QString property(frmMirvel& f, const QString& path) {
    const QString object = path.section(u'.', 0, 0), name = path.section(u'.', 1);
    QObject* o = f.findChild<QObject*>(object);
    for (QWidget* w : QApplication::allWidgets())
        o = o || w->objectName() != object ? o : w;
    for (QObject* c : f.findChildren<QObject*>(object.section(u'(', 0, 0)))
        o = o ? o : c->property("Index").toString() + u')' == object.section(u'(', 1) ? c : nullptr;
    if (!o || name == u"name")
        return o ? QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name) : u"(none)"_s;
    if (auto* w = qobject_cast<QWidget*>(o); w && name == u"focus")
        return w->focusWidget() ? w->focusWidget()->objectName() : u"(none)"_s;
    const QVariant v = o->property(name.toLatin1());
    return v.typeId() == QMetaType::Bool    ? onOff(v.toBool())
           : v.typeId() == QMetaType::QRect ? rect(v.toRect())
           : v.typeId() == QMetaType::QSize ? u"%1x%2"_s.arg(v.toSize().width()).arg(v.toSize().height())
                                            : v.toString();
}
// A word's letters and the number that follows them ("p11": "p", 11).
std::pair<QString, int> split(const QString& word) {
    const qsizetype at = word.indexOf(QRegularExpression(u"\\d"_s));
    return {word.left(at), at < 0 ? 0 : word.mid(at).toInt()};
}

struct Arg {
    frmMirvel& f;
    int k;        // the number after the name
    QString want; // the expected value, for readers that compare
};
// clang-format off
const std::map<QString, std::function<void(frmMirvel&, int)>> Actions = {
    {u"start"_s, [](frmMirvel& f, int) { beforeStart(f), f.mnuStart->trigger(); }},
    {u"go"_s, [](frmMirvel& f, int) { beforeStart(f), f.PicBut[0]->click(); }},
    {u"tick"_s, [](frmMirvel& f, int n) { for (int i = 0; i < std::max(n, 1); ++i) f.Timer1_Timer(); }},
    {u"new"_s, [](frmMirvel& f, int) { f.NewGame(); }},
    {u"size"_s, [](frmMirvel& f, int i) { f.mnuSize[i]->trigger(); }},
    {u"pic"_s, [](frmMirvel& f, int i) { f.mnuBild[i]->trigger(); }},
    {u"lang"_s, [](frmMirvel& f, int i) { f.mnuLang[i]->trigger(); }},
    {u"music"_s, [](frmMirvel& f, int i) { f.mnuMusic[i]->trigger(); }},
    {u"sounds"_s, [](frmMirvel& f, int) { f.mnuPlaySounds->trigger(); }},
    {u"help"_s, [](frmMirvel& f, int) { f.mnuOnlinehilfe->trigger(); }},
    {u"champs"_s, [](frmMirvel& f, int) { f.mnuHighScore->trigger(); }},
    {u"homepage"_s, [](frmMirvel& f, int) { f.mnuHomepage->trigger(); }},
    {u"email"_s, [](frmMirvel& f, int) { f.mnuEMail->trigger(); }},
    {u"about"_s, [](frmMirvel& f, int) { f.mnuUeber->trigger(), QTest::qWait(20); }}, // then activated again
    {u"load"_s, [](frmMirvel&, int) {}}, // the start-up has run
    {u"forget"_s, [](frmMirvel&, int) { QFile::remove(ProgramInfo::folder() + u"/Mirvel.ini"_s); }},
    {u"secs"_s, [](frmMirvel& f, int n) { f.GameSeconds = n; }},
    {u"wait"_s, [](frmMirvel&, int ms) { QTest::qWait(ms); }},
    {u"untune"_s, [](frmMirvel&, int) { // as when the tune has ended
         mciSendString(u"close midi"_s), QFile::remove(MidiFilePath); }},
    {u"record"_s, [](frmMirvel& f, int n) { // n ever faster wins, or one in the game's time
         for (int s = n; s >= std::min(n, 1); --s)
             f.GameSeconds = static_cast<rt::Long>(n ? s : f.GameSeconds), f.WriteHighScore(); }},
    {u"close"_s, [](frmMirvel& f, int) { f.close(); }},
    {u"end"_s, [](frmMirvel& f, int) { f.mnuEnde->trigger(); }},
    {u"quit"_s, [](frmMirvel& f, int) { f.PicBut[1]->click(); }},
    {u"min"_s, [](frmMirvel& f, int) { f.showMinimized(), QTest::qWait(10); }},
    {u"restore"_s, [](frmMirvel& f, int) { f.showNormal(), QTest::qWait(10); }},
    {u"resize"_s, [](frmMirvel& f, int) { f.Form_Resize(); }},
    {u"seed"_s, [](frmMirvel& f, int s) { g_seed = s, beforeStart(f); }}, // for a start by the keys too
    {u"solve"_s, [](frmMirvel& f, int) { pressWalkBackwards(f, g_walk); }},
    {u"keysolve"_s, [](frmMirvel& f, int) { activate(f), pressWalkBackwards(f, g_walk, true); }},
};
const std::map<QString, std::function<QString(const Arg&)>> Readers = {
    {u"N"_s, [](const Arg& a) { return num(a.f.GridSize); }},
    {u"empty"_s, [](const Arg& a) { return num(a.f.EmptyCell); }},
    {u"solved"_s, [](const Arg& a) { return num(a.f.IsSolved); }},
    {u"secs"_s, [](const Arg& a) { return num(a.f.GameSeconds); }},
    {u"size"_s, [](const Arg& a) { return checked(a.f.mnuSize); }},
    {u"pic"_s, [](const Arg& a) { return checked(a.f.mnuBild); }},
    {u"lang"_s, [](const Arg& a) { return checked(a.f.mnuLang); }},
    {u"music"_s, [](const Arg& a) { return checked(a.f.mnuMusic); }},
    {u"sound"_s, [](const Arg& a) { return num(SoundOn) + (a.f.mnuPlaySounds->isChecked() ? u'+' : u'-'); }},
    {u"offset"_s, [](const Arg&) { return num(LangOffset); }},
    {u"opened"_s, [](const Arg&) {
         QStringList urls;
         for (const QUrl& url : g_urls ? g_urls->opened : QList<QUrl>())
             urls.append(url.toString());
         return urls.join(u' '); }},
    {u"seen"_s, [](const Arg&) { return g_seen.join(u" ¦ "_s); }},
    {u"reports"_s, [](const Arg&) { return g_seen.filter(QRegularExpression(u"^\\d"_s)).join(u" ¦ "_s); }},
    {u"starts"_s, [](const Arg&) { return stored(u"Optionen/StartVal"_s); }},
    {u"logged"_s, [](const Arg&) { // the protocols in the log
         const QByteArray log = readFile(ProgramInfo::folder() + u'/' + ProgramInfo::exeName() + u".EPT"_s);
         return num(log.count("E R R O R   P R O T O C O L L")); }},
    {u"pointer"_s, [](const Arg&) { return QApplication::overrideCursor() ? u"busy"_s : u"normal"_s; }},
    {u"tune"_s, [](const Arg&) { return tuneOnDisk() ? u"written"_s : u"none"_s; }},
    {u"effect"_s, [](const Arg&) { return effect(); }},
    {u"keys"_s, [](const Arg&) {
         int keys = 0;
         for (int n = 3; n <= 8; ++n)
             keys += (stored(u"Highscore/"_s + num(n)) != u"-") + (stored(u"Highscore/Name"_s + num(n)) != u"-");
         return num(keys); }},
    {u"ini"_s, [](const Arg&) {
         return QString::fromUtf8(readFile(ProgramInfo::folder() + u"/Mirvel.ini"_s)).replace(u'\n', u'|'); }},
    {u"userini"_s, [](const Arg&) {
         return QString::fromUtf8(readFile(userFolder() + u"/Mirvel.ini"_s)).replace(u'\n', u'|'); }},
    {u"best"_s, [](const Arg& a) {
         return stored(u"Highscore/"_s + num(a.k)) + u'/' + stored(u"Highscore/Name"_s + num(a.k)); }},
    {u"shown"_s, [](const Arg& a) {
         return num(std::count_if(a.f.imgPuzz.begin(), a.f.imgPuzz.end(), [](auto* t) { return t && t->isVisible(); }));
     }},
    {u"walked"_s, [](const Arg& a) { // yes: the board is what the replayed walk makes of a solved one
         if (g_walk.empty())
             return u"no walk: no seed"_s;
         QStringList tags;
         for (int i = 1; i <= a.f.GridSize * a.f.GridSize; ++i)
             tags.append(num(i));
         for (std::size_t s = 1; s < g_walk.size(); ++s)
             tags.swapItemsAt(g_walk[s - 1], g_walk[s]), tags[g_walk[s]] = QString();
         const QString want = u"tags=%1;empty=%2;blank=%2"_s.arg(tags.join(u','), num(g_walk.back()));
         return observe(a.f, want) == want ? u"yes"_s : u"no"_s; }},
    {u"tags"_s, [](const Arg& a) {
         return cells(a.f, [&](int i) { return std::optional(a.f.imgPuzz[i]->Tag()); }); }},
    {u"blank"_s, [](const Arg& a) {
         const QImage blank = a.f.imgLeer->Picture().toImage();
         return cells(a.f, [&](int i) {
             return shows(a.f.imgPuzz[i], blank) ? std::optional(num(i)) : std::nullopt; }); }},
    {u"last"_s, [](const Arg& a) {
         const int last = a.f.GridSize * a.f.GridSize - 1;
         return shows(a.f.imgPuzz[last], a.f.PicClip1.GraphicCell(last).toImage()) ? u"yes"_s : u"no"_s; }},
    {u"img"_s, [](const Arg& a) {
         const QStringList n = a.want.split(QRegularExpression(u"[@,]"_s));
         const QRect part(n[1].toInt(), n[2].toInt(), n[3].toInt(), n[4].toInt());
         return shows(a.f.imgPuzz[a.k], LoadResPicture(n[0].toInt()).toImage().copy(part)) ? a.want : u"other"_s; }},
};
// clang-format on

// `expected` with each {KEY}, {KEY@LANG} or {KEY:ARG} replaced by that text of the program.
QString withTexts(QString expected) {
    static const QRegularExpression key(u"\\{([\\w()]+)(?:@(\\d))?(?::(\\w+))?\\}"_s);
    for (QRegularExpressionMatch m; (m = key.match(expected)).hasMatch();) {
        const QString text = texts::text(m.captured(1), m.captured(2).toInt());
        expected.replace(m.capturedStart(), m.capturedLength(), m.hasCaptured(3) ? text.arg(m.captured(3)) : text);
    }
    return expected;
}

} // namespace

void play(frmMirvel& f, const QString& script) {
    static const QMap<QString, Qt::MouseButton> buttons = {
        {u"p"_s, Qt::LeftButton}, {u"r"_s, Qt::RightButton}, {u"m"_s, Qt::MiddleButton}};
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        if (word.startsWith(u'?')) { // a check on the way
            const QString expected = withTexts(word.mid(1));
            QCOMPARE(observe(f, expected), expected);
            continue;
        }
        if (word.contains(u'=')) {
            setUp(word);
            continue;
        }
        const auto [verb, n] = split(word);
        const auto it = Actions.find(verb);
        if (it != Actions.end()) {
            it->second(f, n);
        } else if (buttons.contains(verb)) {
            QTest::mousePress(f.imgPuzz[n], buttons[verb], {}, {5, 5});
        } else {
            // "kLeft", "kAlt+S": the key, pressed on the open menu or else on the window.
            const QKeyCombination key = QKeySequence::fromString(verb.mid(1))[0];
            QVERIFY2(verb.startsWith(u'k') && key.key() != Qt::Key_unknown, qPrintable(word));
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                activate(f);
            QTest::keyClick(popup ? popup : &f, key.key(), key.keyboardModifiers());
        }
    }
}

QString observe(frmMirvel& f, const QString& expected) {
    QStringList out;
    for (const QString& pair : expected.split(u';')) {
        const QString name = pair.section(u'=', 0, 0);
        const auto [reader, k] = split(name);
        const auto it = Readers.find(reader);
        out.append(name + u'=' +
                   (name.contains(u'.')   ? property(f, name)
                    : it == Readers.end() ? u"(unknown)"_s
                                          : it->second({f, k, pair.section(u'=', 1)})));
    }
    return out.join(u';');
}

namespace {
void resetScenario() {
    g_code = 2, g_failures = 1, g_waitMs = 0, g_name = u"Anna"_s, g_during.clear(), g_seen.clear(), g_clicks.clear(),
    g_desktop = true;
    g_seed = 0, g_walk.clear(), SoundBuffer.clear(), QFile::remove(userFolder() + u"/Mirvel.ini"_s);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
// Plays the words of `script` on a loaded window, those before "load" first; `shown` is handed
// each modal window before the scenario's own answer.
template <typename Then>
void playLoaded(const QString& ini, const QString& script, const std::function<void(QWidget*)>& shown, Then then) {
    // The test's own, before any row changes them.
    static const QByteArray tempDir = qgetenv("TMPDIR"), runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    ModalDriver driver([shown](QWidget* w) {
        shown(w);
        const bool report = w->objectName() == u"ErrPtnr";
        if (report && g_waitMs)
            QTest::qWait(std::exchange(g_waitMs, 0));
        if (report && !g_during.isEmpty())
            play(*frmMirvel::instance(), std::exchange(g_during, {}));
        if (!g_clicks.isEmpty() && (report || qobject_cast<frmInfo*>(w))) {
            QStringList read; // what is not a control of the window is read
            for (const QString& name : g_clicks)
                if (QWidget* control = w->findChild<QWidget*>(name))
                    QTest::mouseClick(control, Qt::LeftButton);
                else
                    read.append(observe(*frmMirvel::instance(), name));
            g_seen.append(w->objectName() + u':' + read.join(u'|'));
        }
        answer::all(g_code, &g_seen, g_name)(w);
    });
    QStringList words = script.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = words.indexOf(u"load"_s); i > 0; --i)
        setUp(words.takeFirst());
    LoadedWindow w(ini == u"-" ? QByteArray() : QByteArray("") + ini.toUtf8(), &driver);
    std::optional<UrlCatcher> urls;
    g_urls = g_desktop ? &urls.emplace() : nullptr;
    play(*w.form, words.join(u' '));
    g_beforeStep = nullptr, g_nobody.reset(), g_closedTemp.reset(), qputenv("TMPDIR", tempDir);
    qputenv("XDG_RUNTIME_DIR", runtimeDir);
    then(*w.form, driver);
    g_urls = nullptr;
}
} // namespace

void runScenario(const Row& row) {
    resetScenario();
    const QString expected = withTexts(row["expected"]);
    if (row["script"].startsWith(u"apart")) { // what ends the program runs in a process of its own
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (const auto m = QRegularExpression(u"locale=(\\S+)"_s).match(row["script"]); m.hasMatch())
            env.insert(u"LANG"_s, m.captured(1));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MIRVEL_PROBE), {row["ini"], row["script"].mid(5), expected});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed().replace(u'\n', u" ¦ "_s), expected);
        return;
    }
    playLoaded(
        row["ini"], row["script"], [](QWidget*) {},
        [&](frmMirvel& f, const ModalDriver& driver) {
            QCOMPARE(observe(f, expected), expected);
            QCOMPARE(driver.unanswered(), 0);
        });
}

void playApart(const QString& ini, const QString& script, const QString& expected) {
    resetScenario();
    const auto say = [](const QString& line) { std::printf("%s\n", qPrintable(line)), std::fflush(stdout); };
    playLoaded(
        ini, script, [&](QWidget* w) { say(w->objectName()); },
        [&](frmMirvel& f, const ModalDriver&) {
            // Still running: what the window shows.
            const QString readers = expected.section(u" ¦ "_s, -1);
            say(readers.contains(u'=') ? observe(f, readers) : u"running"_s);
        });
}
