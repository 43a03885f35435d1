#pragma once
// Every test runs headless against a configuration folder of its own, so that the user's
// real options and champions are never touched.

#include "shell/Resources.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

namespace testenv {
// Prepares the environment before the application object exists.
inline QTemporaryDir& prepare() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A first start picks German only for German as used in Germany.
    qputenv("LANG", "de_DE.UTF-8");
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path() + QStringLiteral("/config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(config.path()));
    qputenv("HOME", QFile::encodeName(config.path()));
    return config;
}
} // namespace testenv

#define MIRVEL_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        testenv::prepare();                                                                        \
        QApplication app(argc, argv);                                                              \
        initResources();                                                                           \
        TestClass tc;                                                                              \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
