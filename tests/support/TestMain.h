#pragma once
// Every test runs headless against a home and configuration folder of its own, so that the
// user's real options and champions are never touched.

#include "errors/RuntimeError.h"
#include "shell/Resources.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace testenv {
// Prepares the environment before the application object exists.
inline QTemporaryDir& prepare() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A first start picks German only for German as used in Germany.
    qputenv("LANG", "de_DE.UTF-8");
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + u"/config"_s));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + u"/data"_s));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    qputenv("HOME", QFile::encodeName(home.path()));
    QDir(home.path()).mkpath(u"tmp"_s);
    qputenv("TMPDIR", QFile::encodeName(home.path() + u"/tmp"_s));
    // No sound server unless a test brings its own: nothing is heard, nothing must break.
    if (qEnvironmentVariableIsEmpty("MIRVEL_TEST_PULSE"))
        qputenv("PULSE_SERVER", QFile::encodeName(u"unix:"_s + home.path() + u"/no-server"_s));
    return home;
}
} // namespace testenv

// The run-time error number a call raises, or 0 when it raises none.
inline int errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// A table of one row type: one data row per element, named by `name(row)`, in the column
// "row" (fetch it with QFETCH(Row, row)). The row type needs Q_DECLARE_METATYPE.
template <class Row, std::size_t N, class Name>
void addRows(const Row (&rows)[N], Name name) {
    QTest::addColumn<Row>("row");
    for (const Row& r : rows)
        QTest::newRow(qPrintable(name(r))) << r;
}

#define MIRVEL_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        testenv::prepare();                                                                        \
        QApplication app(argc, argv);                                                              \
        initResources();                                                                           \
        TestClass tc;                                                                              \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
