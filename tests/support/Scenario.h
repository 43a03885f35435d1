#pragma once
// A main window as a start-up leaves it, in a program folder of its own, played as a row of a
// scenario table says: tests/data/README.md lists the words and what they read. One Scenario a
// row: what the row sets up, answers and notes lives in it and goes with it. It brings the
// headers a test needs to reach the window's members.

#include "shell/Globals.h"
#include "shell/frmMirvel.h"
#include "support/ModalDriver.h"
#include "support/ProgramTexts.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "support/Unprivileged.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);
// The user's folder of "Mirvel"; its store: cleared, read ("-" when absent) and written by
// "SECTION/KEY".
QString userFolder();
void clearUserStore();
QString stored(const QString& key);
void store(const QString& key, const QString& value);
// Which tune the tune file holds now (101..103, or 0); the effect last handed to the sound
// output (101..103, none or other).
int tuneOnDisk();
QString effect();
// `expected` with each {KEY}, {KEY@LANG} or {KEY:ARG} replaced by that text of the program.
QString withTexts(QString expected);

// The cells the empty cell visits when a board of size n, empty at `empty`, is shuffled with
// the generator seeded by `seed`: an independent replay of the rule (a draw that points off the
// board is drawn again), n⁴ counted moves.
std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty);

class Scenario {
public:
    // `ini` is written as "Mirvel.ini" first (under "[Optionen]" unless it has sections; null:
    // no file); the words of `setUp` come before the start-up, as those before "load" in a row.
    // `onShow` is handed each modal window, the start-up's too, before the row's own answer.
    explicit Scenario(const QByteArray& ini = {}, const QString& setUp = {}, std::function<void(QWidget*)> onShow = {});
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    frmMirvel& form() const { return *m_form; }
    QString folder() const { return m_folder.path(); }
    QByteArray ini() const;

    void play(const QString& words);
    // "NAME;NAME" (or "NAME=VALUE;..."), read as "NAME=VALUE;NAME=VALUE".
    QString observe(const QString& names);
    // The readings of `expected` that still differ after up to five seconds, a line each:
    // "Timer1.active: expected on, got off"; a modal window left open makes a line too.
    QStringList differences(const QString& expected);
    // Back to the test's own user and folders, before what the row ends with is read.
    void endActing();

    std::function<void(QWidget*)> onShow;
    std::function<void(const char*, const char*, int)> beforeStep; // each trapped step

private:
    void setUp(const QString& word);
    void act(const QString& word);
    QString read(const QString& name, const QString& want);
    void answer(QWidget* window);
    void beforeStart();
    QString pictures() const { return m_folder.path() + QStringLiteral("/pictures"); } // the test's
    bool waitForActivation(int before);

    QTemporaryDir m_folder;
    ModalDriver m_driver{[this](QWidget* w) { answer(w); }};
    // What the modal windows are answered with, and what they showed.
    int m_code = 2, m_failures = 1, m_failuresLeft = 0, m_activations = 0;
    QString m_name = QStringLiteral("Anna"), m_during;
    QStringList m_seen, m_clicks, m_failing;
    bool m_desktop = true;
    bool m_placed = false; // the window is placed as the program places it
    std::optional<UrlCatcher> m_urls;
    std::optional<Unprivileged> m_nobody;
    std::optional<QTemporaryDir> m_closedTemp;
    const QByteArray m_tempDir, m_runtimeDir; // the test's own
    QString m_ownFile, m_startArgument;       // answered in the file dialog; on the command line
    std::uint64_t m_seed = 0;
    std::vector<int> m_walk;
    std::unique_ptr<frmMirvel> m_form;
};

// A row "ini" ("-": none), "script" and "expected": played here, or in mirvel_probe, a process
// of its own, when the script starts with "apart".
void runScenario(const Row& row);
void playApart(const QString& ini, const QString& script, const QString& expected);
