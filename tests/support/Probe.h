#pragma once
// Runs the probe program with arguments and an environment, and collects what it printed.

#include <QProcess>

struct ProbeResult {
    int exitCode = -1; // -1 also when it crashed or hung
    QStringList lines;
};

inline ProbeResult runProbe(const QStringList& args,
                            QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MIRVEL_PROBE), args);
    if (!p.waitForFinished(60000))
        p.kill(), p.waitForFinished();
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, out.split(u'\n', Qt::SkipEmptyParts)};
}
