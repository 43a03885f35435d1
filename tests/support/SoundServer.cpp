#include "support/SoundServer.h"

#include <QFile>
#include <QThread>
#include <QtEndian>
#include <cmath>

SoundServer::~SoundServer() {
    m_server.kill();
    m_server.waitForFinished();
}

bool SoundServer::start() {
    const QString dir = m_dir.path();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    m_server.setProcessEnvironment(env);
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("-n"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--load=module-null-sink sink_name=nul"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + dir + QStringLiteral("/native")});
    for (int i = 0; i < 100 && !QFile::exists(dir + QStringLiteral("/native")); ++i)
        QThread::msleep(50);
    if (!QFile::exists(dir + QStringLiteral("/native")))
        return false;
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + dir + QStringLiteral("/native")));
    qputenv("MIRVEL_TEST_PULSE", "1");
    return true;
}

Recorder::Recorder(const QElapsedTimer& clock) : m_clock(clock) {
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] {
        const QByteArray block = m_process.readAllStandardOutput();
        if (m_firstSampleMs < 0)
            m_firstSampleMs = m_clock.elapsed() - block.size() / 2 * 1000 / Rate;
        m_samples += block;
    });
    m_process.start(QStringLiteral("parecord"),
                    {QStringLiteral("--device=nul.monitor"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                     QStringLiteral("--rate=%1").arg(Rate), QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10")});
    m_process.waitForStarted();
}

Recorder::~Recorder() {
    m_process.kill();
    m_process.waitForFinished();
}

QVector<double> Recorder::levels(qint64 fromMs, qint64 toMs) const {
    QVector<double> out;
    const int window = Rate / 100;
    for (qint64 ms = fromMs; ms < toMs; ms += 10) {
        const qint64 first = (ms - m_firstSampleMs) * Rate / 1000;
        double sum = 0;
        for (qint64 i = first; i < first + window; ++i) {
            const double s = i >= 0 && 2 * i + 1 < m_samples.size()
                                 ? qFromLittleEndian<qint16>(m_samples.constData() + 2 * i) / 32768.0
                                 : 0.0;
            sum += s * s;
        }
        out.append(std::sqrt(sum / window));
    }
    return out;
}
