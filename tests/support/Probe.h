#pragma once
// Runs the probe program with arguments and an environment, and collects what it printed.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

struct ProbeResult {
    int exitCode = -1;
    bool crashed = false;
    QStringList lines;
};

inline ProbeResult runProbe(const QStringList& args,
                            QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MIRVEL_PROBE), args);
    ProbeResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.lines = QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return r;
}
