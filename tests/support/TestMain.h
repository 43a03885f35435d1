#pragma once
// Every test runs headless in a home folder of its own, so that the user's real options and
// champions are never touched.

#include "support/LogicMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace Qt::StringLiterals;

namespace testenv {
inline QTemporaryDir& home() {
    static QTemporaryDir dir;
    return dir;
}

// Prepares the environment before the application object exists.
inline void prepare() {
    const QByteArray dir = QFile::encodeName(home().path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "de_DE.UTF-8"); // a first start picks German only for Germany
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    qputenv("HOME", dir);
    qputenv("XDG_RUNTIME_DIR", dir);
    qputenv("XDG_CONFIG_HOME", dir + "/config");
    qputenv("XDG_DATA_HOME", dir + "/data");
    QDir(home().path()).mkpath(u"tmp"_s);
    qputenv("TMPDIR", dir + "/tmp");
    // No sound server unless the test is heard (tests/sound/heard.sh): nothing must break.
    if (qEnvironmentVariableIsEmpty("MIRVEL_HEAR"))
        qputenv("PULSE_SERVER", "unix:" + dir + "/no-server");
}

#ifdef MIRVEL_COVERAGE
extern "C" void __gcov_dump();
#endif

// Ends a test run as the program ends, at once: exit handlers would tear Qt Multimedia's
// PulseAudio backend down while its thread still dispatches. A coverage build writes its counts.
[[noreturn]] inline void end(int failed) {
    home().remove();
    std::fflush(nullptr);
#ifdef MIRVEL_COVERAGE
    __gcov_dump();
#endif
    std::_Exit(failed);
}
} // namespace testenv

#define MIRVEL_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char** argv) {                                                                                  \
        testenv::prepare();                                                                                            \
        QApplication app(argc, argv);                                                                                  \
        initResources();                                                                                               \
        TestClass tc;                                                                                                  \
        testenv::end(QTest::qExec(&tc, argc, argv));                                                                   \
    }
