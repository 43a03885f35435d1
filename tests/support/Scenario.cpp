#include "support/Scenario.h"

#include "about/frmInfo.h"
#include "errors/Procedure.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "render/OwnPicture.h"
#include "shell/ProgramInfo.h"
#include "shell/Random.h"
#include "shell/UserStore.h"
#include "shell/WindowPlacement.h"
#include "sound/MidiDevice.h"

#include <QAccessible>
#include <QFileDialog>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <atomic>
#include <map>
#include <sys/stat.h>

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

QString withTexts(QString expected) {
    static const QRegularExpression key(u"\\{([\\w()]+)(?:@(\\d))?(?::([^{}]+))?\\}"_s);
    for (QRegularExpressionMatch m; (m = key.match(expected)).hasMatch();) {
        const QString text = texts::text(m.captured(1), m.captured(2).toInt());
        expected.replace(m.capturedStart(), m.capturedLength(), m.hasCaptured(3) ? text.arg(m.captured(3)) : text);
    }
    return expected;
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

namespace {

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
// That part of a picture as the tile shows it: cut at its size in the screen's pixels.
bool showsPart(const ImageControl* tile, const QPixmap& part) {
    return shows(tile, scaledCell(part, tile->Width(), tile->devicePixelRatioF()).toImage());
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
// A closed menu leaves the offscreen platform without an active window; a desktop gives the
// activation back to the main window, and its shortcuts need it.
void activate(frmMirvel& f) {
    QApplication::setActiveWindow(&f);
}

// tests/data/pictures in `folder`, and what git cannot keep: odd names, a folder, a pipe.
void makeTestPictures(const QString& folder) {
    QDir().mkpath(folder);
    const QDir kept(QStringLiteral(MIRVEL_TEST_DATA "/pictures"));
    for (const QString& name : kept.entryList(QDir::Files))
        QFile::copy(kept.filePath(name), folder + u'/' + name);
    for (const char* name : {"trailing ", "ends in \"", "Müller=Bild.png", "line\nbreak.png"})
        QFile::copy(kept.filePath(u"quarters.png"_s), folder + u'/' + QString::fromUtf8(name));
    QDir().mkpath(folder + u"/folder.png"_s);
    ::mkfifo(QFile::encodeName(folder + u"/pipe.png"_s).constData(), 0600);
}

// The colours amid a picture's quarters: "red,green,blue,yellow" for quarters.png, upright.
QString quarterColours(const QImage& image) {
    const QStringList names = {u"black"_s, u"blue"_s, u"green"_s, {}, u"red"_s, {}, u"yellow"_s, u"white"_s};
    const auto full = [](int v) { return v > 200 ? 1 : v < 55 ? 0 : 9; };
    QStringList colours;
    for (const auto& [x, y] : {std::pair(1, 1), {3, 1}, {1, 3}, {3, 3}}) {
        const QColor c = image.pixelColor(x * image.width() / 4, y * image.height() / 4);
        const QString name = names.value(full(c.red()) * 4 + full(c.green()) * 2 + full(c.blue()));
        colours.append(name.isEmpty() ? u"other"_s : name);
    }
    return colours.join(u',');
}

// Whether a tile's top-left quarter holds figures: pixels near white beside ones near black.
bool showsFigures(const QImage& tile) {
    int light = 0, dark = 0;
    for (int y = 2; y < tile.height() / 2; ++y)
        for (int x = 2; x < tile.width() / 2; ++x) {
            const QColor c = tile.pixelColor(x, y);
            light += c.lightness() > 225 && c.saturation() < 40;
            dark += c.lightness() < 40;
        }
    return light > 4 && dark > 4;
}

// Where the last own picture was read (none, main, apart), and whether reading is held.
std::atomic<int> g_readOn{0};
std::atomic<bool> g_held{false};
void notePictureRead() {
    g_readOn = QThread::currentThread() == qApp->thread() ? 1 : 2;
    while (g_held)
        QThread::msleep(1);
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
    const QRect r = v.toRect();
    return v.typeId() == QMetaType::Bool    ? onOff(v.toBool())
           : v.typeId() == QMetaType::QRect ? u"%1,%2,%3,%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
           : v.typeId() == QMetaType::QSize ? u"%1x%2"_s.arg(v.toSize().width()).arg(v.toSize().height())
                                            : v.toString();
}

// "yes" when every control of the layout lies in the client, the tiles in the frame, the
// buttons and the clock on the right shutter and apart; else the first that does not.
QString inside(frmMirvel& f) {
    const QRect client = f.client->rect(), frame = f.shpRahmen->geometry(), right = f.imgLaden[1]->geometry();
    std::vector<std::pair<QWidget*, QRect>> within = {
        {f.shpRahmen, client}, {f.imgLaden[0], client}, {f.imgLaden[1], client}, {f.linBank, client},
        {f.PicBut[0], right},  {f.PicBut[1], right},    {f.lblTime, right}};
    for (int k = 0; k < f.GridSize * f.GridSize; ++k)
        within.emplace_back(f.imgPuzz[k], frame);
    for (const auto& [w, in] : within)
        if (!w->isVisible() || !in.contains(w->geometry()))
            return w->objectName();
    // The frame's outline: its thick border runs under the shutters' edges by design.
    const QRect apart[] = {f.imgLaden[0]->geometry(), f.shpRahmen->shapeGeometry().toRect(), right};
    const QRect onShutter[] = {f.PicBut[0]->geometry(), f.PicBut[1]->geometry(), f.lblTime->geometry()};
    for (const auto* set : {apart, onShutter})
        for (int i = 0; i < 2; ++i)
            if (set[i].intersects(set[i + 1]))
                return u"overlap"_s;
    return u"yes"_s;
}

// Presses the walk backwards (`keys`: by the arrows), which undoes the shuffle.
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

} // namespace

Scenario::Scenario(const QByteArray& ini, const QString& setUpWords, std::function<void(QWidget*)> shown)
    : onShow(std::move(shown)), m_tempDir(qgetenv("TMPDIR")), m_runtimeDir(qgetenv("XDG_RUNTIME_DIR")) {
    // What the program keeps for the whole run is met afresh by each row.
    SoundBuffer.clear(), mciSendString(u"close midi"_s), QFile::remove(userFolder() + u"/Mirvel.ini"_s);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    g_beforeStep = [this](const char* module, const char* procedure, int step) {
        m_activations += step == 1 && qstrcmp(procedure, "Form_Activate") == 0 && qstrcmp(module, "frmMirvel") == 0;
        if (beforeStep)
            beforeStep(module, procedure, step);
        const QString at = u"%1.%2"_s.arg(QLatin1String(module), QLatin1String(procedure));
        if ((m_failing.contains(at) || m_failing.contains(at + u':' + num(step))) && m_failuresLeft > 0 &&
            m_failuresLeft--)
            raiseError(ErrNo::Overflow);
    };
    ProgramInfo::setFolder(qEnvironmentVariable("MIRVEL_TEST_FOLDER", folder())); // a probe's may be given
    g_readOn = 0, g_held = false, g_beforePictureRead = notePictureRead;
    makeTestPictures(pictures());
    if (!ini.isNull()) {
        const QByteArray text = QByteArray(ini).replace("<pics>", QFile::encodeName(pictures()));
        writeFile(ProgramInfo::folder() + u"/Mirvel.ini"_s, text.contains('[') ? text : "[Optionen]\n" + text);
    }
    for (const QString& word : setUpWords.split(u' ', Qt::SkipEmptyParts))
        setUp(word);
    m_form = std::make_unique<frmMirvel>();
    const QString here = QDir::currentPath(); // the command line's file, relative to where it starts
    QDir::setCurrent(pictures()), m_form->setStartPicture(commandLinePicture({m_startArgument})),
        QDir::setCurrent(here);
    if (m_placed)
        m_form->restorePlacement();
    m_form->Form_Load();
    m_form->show();
    QVERIFY2(waitForActivation(0), "the main window was never activated");
    if (m_desktop)
        m_urls.emplace();
}

Scenario::~Scenario() {
    endActing();
    g_held = false, g_beforePictureRead = nullptr;
    g_beforeStep = nullptr;
    ProgramInfo::setFolder({});
}

void Scenario::endActing() {
    m_nobody.reset(), m_closedTemp.reset();
    qputenv("TMPDIR", m_tempDir), qputenv("XDG_RUNTIME_DIR", m_runtimeDir);
}

QByteArray Scenario::ini() const {
    return readFile(ProgramInfo::folder() + u"/Mirvel.ini"_s);
}

bool Scenario::waitForActivation(int before) {
    return QTest::qWaitFor([&] { return m_activations > before; }, 5000);
}

// A word that sets the row up: KEY=VALUE, the value percent-encoded.
void Scenario::setUp(const QString& word) {
    const QString key = word.section(u'=', 0, 0);
    const QString value = QUrl::fromPercentEncoding(word.section(u'=', 1).toUtf8());
    if (key == u"answer")
        m_code = value == u"close" ? -1 : value.toInt();
    else if (key == u"during")
        m_during = value;
    else if (key == u"name")
        m_name = value;
    else if (key == u"store")
        store(value.section(u':', 0, 0), value.section(u':', 1));
    else if (key == u"fails")
        m_failures = value.toInt();
    else if (key == u"fail")
        m_failing = value.split(u','), m_failuresLeft = m_failures;
    else if (key == u"click")
        m_clicks = value.split(u',');
    else if (key == u"own") // the picture menu's own entry, answered with that file
        m_ownFile = value, form().mnuBild[3]->trigger();
    else if (key == u"drop") { // as a file manager drops it
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(pictures() + u'/' + value)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form(), &enter), QApplication::sendEvent(&form(), &dropped);
    } else if (key == u"arg")
        m_startArgument = value;
    else if (key == u"hold") // reading a picture waits until "release"
        g_held = value == u"on";
    else if (key == u"window")
        m_placed = value == u"placed";
    else if (key == u"desktop")
        m_desktop = value != u"none";
    else if (key == u"as") { // the user "nobody", whose program folder is read-only
        QDir().mkpath(userFolder()), openToNobody(userFolder()), openToNobody(ProgramInfo::folder());
        setMode(ProgramInfo::folder(), 0555), (void)::chown(QFile::encodeName(ProgramInfo::folder()), 65534, 65534);
        m_nobody.emplace();
    } else if (key == u"busy") { // the pointer, set busy that many times
        for (int i = 0; i < value.toInt(); ++i)
            QApplication::setOverrideCursor(Qt::BusyCursor);
    } else if (key == u"temp") { // closed to the user
        setMode(m_closedTemp.emplace().path(), 0555);
        qputenv("TMPDIR", QFile::encodeName(m_closedTemp->path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_closedTemp->path()));
    } else if (key != u"locale" && key != u"scale") { // the environment of a row played apart
        QFAIL(qPrintable(u"no such setting: "_s + word));
    }
}

// A start command shuffles a solved board: replay the walk it is going to take.
void Scenario::beforeStart() {
    if (m_seed && form().IsSolved) {
        m_walk = replayShuffleWalk(m_seed, form().GridSize, form().EmptyCell);
        Randomize(m_seed);
    }
}

void Scenario::play(const QString& words) {
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        if (word.startsWith(u'?')) { // a check on the way
            const QStringList diff = differences(withTexts(word.mid(1)));
            QVERIFY2(diff.isEmpty(), qPrintable(u"on the way: "_s + diff.join(u"\n    "_s)));
        } else {
            word.contains(u'=') ? setUp(word) : act(word);
        }
    }
}

void Scenario::act(const QString& word) {
    frmMirvel& f = form();
    const auto [verb, n] = split(word);
    static const QMap<QString, Qt::MouseButton> buttons = {
        {u"p"_s, Qt::LeftButton}, {u"r"_s, Qt::RightButton}, {u"m"_s, Qt::MiddleButton}};
    const std::map<QString, std::function<void()>> actions = {
        {u"start"_s, [&] { beforeStart(), f.mnuStart->trigger(); }},
        {u"go"_s, [&] { beforeStart(), f.PicBut[0]->click(); }},
        {u"tick"_s,
         [&] {
             for (int i = 0; i < std::max(n, 1); ++i)
                 f.Timer1_Timer();
         }},
        {u"new"_s, [&] { f.NewGame(); }},
        {u"size"_s, [&] { f.mnuSize[n]->trigger(); }},
        {u"pic"_s, [&] { f.mnuBild[n]->trigger(); }},
        {u"lang"_s, [&] { f.mnuLang[n]->trigger(); }},
        {u"music"_s, [&] { f.mnuMusic[n]->trigger(); }},
        {u"sounds"_s, [&] { f.mnuPlaySounds->trigger(); }},
        {u"help"_s, [&] { f.mnuOnlinehilfe->trigger(); }},
        {u"champs"_s, [&] { f.mnuHighScore->trigger(); }},
        {u"homepage"_s, [&] { f.mnuHomepage->trigger(); }},
        {u"email"_s, [&] { f.mnuEMail->trigger(); }},
        {u"about"_s,
         [&] { // and the window is activated again after it
             const int before = m_activations;
             f.mnuUeber->trigger(), (void)waitForActivation(before);
         }},
        {u"load"_s, [] {}}, // the start-up has run
        {u"forget"_s, [] { QFile::remove(ProgramInfo::folder() + u"/Mirvel.ini"_s); }},
        {u"secs"_s, [&] { f.GameSeconds = n; }},
        {u"untune"_s, [] { mciSendString(u"close midi"_s), QFile::remove(MidiFilePath); }},
        {u"record"_s,
         [&] { // n ever faster wins, or one in the game's time
             for (int s = n; s >= std::min(n, 1); --s)
                 f.GameSeconds = static_cast<rt::Long>(n ? s : f.GameSeconds), f.WriteHighScore();
         }},
        {u"close"_s, [&] { f.close(); }},
        {u"end"_s, [&] { f.mnuEnde->trigger(); }},
        {u"quit"_s, [&] { f.PicBut[1]->click(); }},
        {u"min"_s, [&] { f.showMinimized(), (void)QTest::qWaitFor([&] { return f.isMinimized(); }); }},
        {u"restore"_s, [&] { f.showNormal(), (void)QTest::qWaitFor([&] { return !f.isMinimized(); }); }},
        {u"resize"_s, [&] { f.Form_Resize(); }},
        {u"seed"_s, [&] { m_seed = n, beforeStart(); }}, // for a start by the keys too
        {u"numbers"_s, [&] { f.mnuShowNumbers->trigger(); }},
        {u"release"_s, [] { g_held = false; }},
        {u"solve"_s, [&] { pressWalkBackwards(f, m_walk, false); }},
        {u"keysolve"_s, [&] { activate(f), pressWalkBackwards(f, m_walk, true); }},
    };
    if (const auto size = QRegularExpression(u"^(\\d+)x(\\d+)$"_s).match(word); size.hasMatch()) {
        // "WxH": the client area made that size (no smaller than the window allows)
        const QSize want = QSize(size.captured(1).toInt(), size.captured(2).toInt()).expandedTo(LeastClient);
        f.resizeClient(want);
        QVERIFY2(QTest::qWaitFor([&] { return f.client->size() == want; }),
                 qPrintable(u"the client is %1x%2"_s.arg(f.client->width()).arg(f.client->height())));
    } else if (const auto it = actions.find(verb); it != actions.end()) {
        it->second();
    } else if (buttons.contains(verb)) {
        QTest::mousePress(f.imgPuzz[n], buttons[verb], {}, {5, 5});
    } else {
        // "kLeft", "kAlt+S": the key, pressed on the open menu, else on the focused control of the
        // open dialog, else on the window.
        const QKeyCombination key = QKeySequence::fromString(word.mid(1))[0];
        QVERIFY2(verb.startsWith(u'k') && key.key() != Qt::Key_unknown, qPrintable(u"no such word: "_s + word));
        QWidget* target = QApplication::activePopupWidget();
        if (QWidget* dialog = QApplication::activeModalWidget(); !target && dialog)
            target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        if (!target)
            activate(f);
        QTest::keyClick(target ? target : &f, key.key(), key.keyboardModifiers());
    }
}

QString Scenario::read(const QString& name, const QString& want) {
    frmMirvel& f = form();
    const auto [reader, k] = split(name);
    const std::map<QString, std::function<QString()>> readers = {
        {u"N"_s, [&] { return num(f.GridSize); }},
        {u"empty"_s, [&] { return num(f.EmptyCell); }},
        {u"solved"_s, [&] { return num(f.IsSolved); }},
        {u"secs"_s, [&] { return num(f.GameSeconds); }},
        {u"size"_s, [&] { return checked(f.mnuSize); }},
        {u"pic"_s, [&] { return checked(f.mnuBild); }},
        {u"lang"_s, [&] { return checked(f.mnuLang); }},
        {u"music"_s, [&] { return checked(f.mnuMusic); }},
        {u"sound"_s, [&] { return num(SoundOn) + (f.mnuPlaySounds->isChecked() ? u'+' : u'-'); }},
        {u"offset"_s, [&] { return num(LangOffset); }},
        {u"opened"_s,
         [&] {
             QStringList urls;
             for (const QUrl& url : m_urls ? m_urls->opened : QList<QUrl>())
                 urls.append(url.toString());
             return urls.join(u' ');
         }},
        {u"seen"_s, [&] { return m_seen.join(u" ¦ "_s); }},
        {u"reports"_s, [&] { return m_seen.filter(QRegularExpression(u"^\\d"_s)).join(u" ¦ "_s); }},
        {u"starts"_s, [&] { return stored(u"Optionen/StartVal"_s); }},
        {u"logged"_s,
         [&] { // the protocols in the log
             const QByteArray log = readFile(ProgramInfo::folder() + u'/' + ProgramInfo::exeName() + u".EPT"_s);
             return num(log.count("E R R O R   P R O T O C O L L"));
         }},
        {u"pointer"_s,
         [&] {
             const bool board =
                 f.client->testAttribute(Qt::WA_SetCursor) && f.client->cursor().shape() == Qt::BusyCursor;
             return QApplication::overrideCursor() || board ? u"busy"_s : u"normal"_s;
         }},
        {u"quarters"_s, [&] { return quarterColours(f.PicClip1.Picture().toImage()); }},
        {u"picture"_s,
         [&] { // its pixels, and whether it is not opaque
             const QPixmap& p = f.PicClip1.Picture();
             return u"%1x%2%3"_s.arg(p.width()).arg(p.height()).arg(p.hasAlphaChannel() ? u" with alpha"_s : u""_s);
         }},
        {u"read"_s, [] { return u"none main apart"_s.split(u' ')[g_readOn]; }},
        {u"numbered"_s,
         [&] {
             return cells(f, [&](int i) {
                 return showsFigures(f.imgPuzz[i]->grab().toImage()) ? std::optional(num(i)) : std::nullopt;
             });
         }},
        {u"tune"_s, [&] { return tuneOnDisk() ? u"written"_s : u"none"_s; }},
        {u"effect"_s, [&] { return effect(); }},
        {u"keys"_s,
         [&] {
             int keys = 0;
             for (int n = 3; n <= 8; ++n)
                 keys += (stored(u"Highscore/"_s + num(n)) != u"-") + (stored(u"Highscore/Name"_s + num(n)) != u"-");
             return num(keys);
         }},
        {u"ini"_s, [&] { return QString::fromUtf8(ini()).replace(u'\n', u'|').replace(pictures(), u"<pics>"_s); }},
        {u"userini"_s,
         [&] { return QString::fromUtf8(readFile(userFolder() + u"/Mirvel.ini"_s)).replace(u'\n', u'|'); }},
        {u"best"_s, [&] { return stored(u"Highscore/"_s + num(k)) + u'/' + stored(u"Highscore/Name"_s + num(k)); }},
        {u"shown"_s,
         [&] {
             return num(std::count_if(f.imgPuzz.begin(), f.imgPuzz.end(), [](auto* t) { return t && t->isVisible(); }));
         }},
        {u"walked"_s,
         [&] { // yes: the board is what the replayed walk makes of a solved one
             if (m_walk.empty())
                 return u"no walk: no seed"_s;
             QStringList tags;
             for (int i = 1; i <= f.GridSize * f.GridSize; ++i)
                 tags.append(num(i));
             for (std::size_t s = 1; s < m_walk.size(); ++s)
                 tags.swapItemsAt(m_walk[s - 1], m_walk[s]), tags[m_walk[s]] = QString();
             const QString walked = u"tags=%1;empty=%2;blank=%2"_s.arg(tags.join(u','), num(m_walk.back()));
             return observe(walked) == walked ? u"yes"_s : u"no"_s;
         }},
        {u"inside"_s, [&] { return inside(f); }},
        {u"pieces"_s,
         [&] { // yes: each numbered cell shows its number's piece, cut at its size
             return cells(f,
                          [&](int i) {
                              const QString tag = f.imgPuzz[i]->Tag();
                              return tag.isEmpty() || showsPart(f.imgPuzz[i], f.PicClip1.GraphicCell(tag.toInt() - 1))
                                         ? std::nullopt
                                         : std::optional(num(i));
                          }).isEmpty()
                        ? u"yes"_s
                        : u"no"_s;
         }},
        {u"pixels"_s,
         [&] { return u"%1x%2"_s.arg(f.imgPuzz[0]->Picture().width()).arg(f.imgPuzz[0]->Picture().height()); }},
        {u"backdrop"_s,
         [&] { // yes: the far corner of the client shows the background texture
             const QImage texture = f.imgHinterg->Picture().toImage(), seen = f.client->grab().toImage();
             const QPoint far(seen.width() - 1, seen.height() - 1);
             const QPoint at(far.x() % texture.width(), far.y() % texture.height());
             return seen.pixel(far) == texture.pixel(at) ? u"yes"_s : u"no"_s;
         }},
        {u"placement"_s, [&] { return stored(u"Window/Placement"_s); }},
        {u"tags"_s, [&] { return cells(f, [&](int i) { return std::optional(f.imgPuzz[i]->Tag()); }); }},
        {u"blank"_s,
         [&] {
             const QImage blank = f.imgLeer->Picture().toImage();
             return cells(f, [&](int i) { return shows(f.imgPuzz[i], blank) ? std::optional(num(i)) : std::nullopt; });
         }},
        {u"last"_s,
         [&] {
             const int last = f.GridSize * f.GridSize - 1;
             return showsPart(f.imgPuzz[last], f.PicClip1.GraphicCell(last)) ? u"yes"_s : u"no"_s;
         }},
        {u"img"_s,
         [&] { // tile k shows that part of picture P: P@x,y,w,h
             const QStringList n = want.split(QRegularExpression(u"[@,]"_s));
             const QPixmap picture = LoadResPicture(n[0].toInt());
             const double r = picture.devicePixelRatio(); // the part is given on screen
             const QRectF part(n[1].toInt() * r, n[2].toInt() * r, n[3].toInt() * r, n[4].toInt() * r);
             return showsPart(f.imgPuzz[k], picture.copy(part.toRect())) ? want : u"other"_s;
         }},
    };
    if (name.contains(u'.'))
        return property(f, name);
    const auto it = readers.find(reader);
    return it == readers.end() ? u"(no such reading)"_s : it->second();
}

QString Scenario::observe(const QString& names) {
    QStringList out;
    for (const QString& pair : names.split(u';'))
        out.append(pair.section(u'=', 0, 0) + u'=' + read(pair.section(u'=', 0, 0), pair.section(u'=', 1)));
    return out.join(u';');
}

QStringList Scenario::differences(const QString& expected) {
    QStringList diff;
    (void)QTest::qWaitFor(
        [&] {
            diff.clear();
            for (const QString& pair : expected.split(u';', Qt::SkipEmptyParts)) {
                const QString name = pair.section(u'=', 0, 0), want = pair.section(u'=', 1);
                if (const QString got = read(name, want); got != want)
                    diff.append(u"%1: expected %2, got %3"_s.arg(name, want.isEmpty() ? u"nothing"_s : want,
                                                                 got.isEmpty() ? u"nothing"_s : got));
            }
            return diff.isEmpty();
        },
        5000);
    if (m_driver.unanswered())
        diff.append(u"%1 modal windows were left open, and closed by the test"_s.arg(m_driver.unanswered()));
    return diff;
}

void Scenario::answer(QWidget* w) {
    if (onShow)
        onShow(w);
    const bool report = w->objectName() == u"ErrPtnr";
    if (report && !m_during.isEmpty())
        play(std::exchange(m_during, {}));
    if (!w->isVisible())
        return; // what was played closed it
    if (auto* files = qobject_cast<QFileDialog*>(w)) {
        m_seen.append(u"dialog:"_s + files->windowTitle());
        if (m_ownFile == u"<cancel>")
            return files->reject();
        files->selectFile(pictures() + u'/' + m_ownFile);
        return static_cast<QDialog*>(files)->accept();
    }
    if (!m_clicks.isEmpty() && (report || qobject_cast<frmInfo*>(w))) {
        QStringList read; // what is not a control of the window is read
        for (const QString& name : m_clicks)
            if (QWidget* control = w->findChild<QWidget*>(name))
                QTest::mouseClick(control, Qt::LeftButton);
            else
                read.append(observe(name));
        m_seen.append(w->objectName() + u':' + read.join(u'|'));
    }
    answer::all(m_code, &m_seen, m_name)(w);
}

void runScenario(const Row& row) {
    const QString expected = withTexts(row["expected"]);
    if (row["script"].startsWith(u"apart")) { // what ends the program runs in a process of its own
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [key, variable] : {std::pair(u"locale"_s, u"LANG"_s), {u"scale"_s, u"QT_SCALE_FACTOR"_s}})
            if (const auto m = QRegularExpression(key + u"=(\\S+)"_s).match(row["script"]); m.hasMatch())
                env.insert(variable, m.captured(1));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MIRVEL_PROBE), {row["ini"], row["script"].mid(5), expected});
        QVERIFY(p.waitForFinished(60000));
        const QStringList got = QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(u'\n');
        const QStringList want = expected.split(u" ¦ "_s);
        for (qsizetype i = 0; i < std::max(got.size(), want.size()); ++i)
            QVERIFY2(got.value(i) == want.value(i),
                     qPrintable(u"line %1 printed: expected %2, got %3"_s.arg(i + 1).arg(want.value(i), got.value(i))));
        return;
    }
    QStringList words = row["script"].split(u' ', Qt::SkipEmptyParts);
    const QStringList setUp = words.mid(0, std::max<qsizetype>(words.indexOf(u"load"_s), 0));
    Scenario s(row["ini"] == u"-" ? QByteArray() : QByteArray("") + row["ini"].toUtf8(), setUp.join(u' '));
    s.play(words.mid(setUp.size()).join(u' '));
    s.endActing();
    const QStringList diff = s.differences(expected);
    if (!diff.isEmpty())
        QFAIL(qPrintable(diff.join(u'\n')));
}

void playApart(const QString& ini, const QString& script, const QString& expected) {
    const auto say = [](const QString& line) { std::printf("%s\n", qPrintable(line)), std::fflush(stdout); };
    QStringList words = script.split(u' ', Qt::SkipEmptyParts);
    const QStringList setUp = words.mid(0, std::max<qsizetype>(words.indexOf(u"load"_s), 0));
    Scenario row(ini == u"-" ? QByteArray() : QByteArray("") + ini.toUtf8(), setUp.join(u' '),
                 [&](QWidget* w) { say(w->objectName()); });
    row.play(words.mid(setUp.size()).join(u' '));
    row.endActing();
    // Still running: what the window shows.
    const QString readers = expected.section(u" ¦ "_s, -1);
    say(readers.contains(u'=') ? row.observe(readers) : u"running"_s);
}
