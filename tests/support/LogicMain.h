#pragma once
// The fixture of the tests of pure logic: no window, no user's folder, no sound; only the
// program's compiled-in resources and the rows of tests/data.

#include "errors/RuntimeError.h"
#include "shell/Resources.h"
#include "support/ProgramTexts.h"
#include "support/Table.h"

#include <QGuiApplication>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

// The run-time error number a call raises, or 0 when it raises none.
inline int errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// A resource of the program by its name (":/NAME").
inline QByteArray resource(const QString& name) {
    QFile f(u":/"_s + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// QGuiApplication for the pictures the cutter cuts; it opens no window.
#define MIRVEL_LOGIC_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char** argv) {                                                                                  \
        QGuiApplication app(argc, argv);                                                                               \
        initResources();                                                                                               \
        TestClass tc;                                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
