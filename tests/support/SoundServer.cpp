#include "support/SoundServer.h"

#include <QFile>
#include <QThread>
#include <QtEndian>
#include <cmath>

using namespace Qt::StringLiterals;

SoundServer::~SoundServer() {
    m_server.kill();
    m_server.waitForFinished();
}

bool SoundServer::start() {
    const QString socket = m_dir.filePath(u"native"_s);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, m_dir.path());
    env.insert(u"XDG_RUNTIME_DIR"_s, m_dir.path());
    m_server.setProcessEnvironment(env);
    m_server.start(u"pulseaudio"_s, {u"--daemonize=no"_s, u"-n"_s, u"--exit-idle-time=-1"_s,
                                     u"--use-pid-file=no"_s, u"--load=module-null-sink sink_name=nul"_s,
                                     u"--load=module-native-protocol-unix auth-anonymous=1 socket="_s + socket});
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
        QThread::msleep(50);
    qputenv("PULSE_SERVER", QFile::encodeName(u"unix:"_s + socket));
    qputenv("MIRVEL_TEST_PULSE", "1");
    return QFile::exists(socket);
}

Recorder::Recorder(const QElapsedTimer& clock) : m_clock(clock) {
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] {
        const QByteArray block = m_process.readAllStandardOutput();
        if (m_firstSampleMs < 0)
            m_firstSampleMs = m_clock.elapsed() - block.size() / 2 * 1000 / Rate;
        m_samples += block;
    });
    m_process.start(u"parecord"_s, {u"--device=nul.monitor"_s, u"--raw"_s, u"--format=s16le"_s,
                                    u"--rate=%1"_s.arg(Rate), u"--channels=1"_s, u"--latency-msec=10"_s});
    m_process.waitForStarted();
}

Recorder::~Recorder() {
    m_process.kill();
    m_process.waitForFinished();
}

QVector<double> Recorder::levels(qint64 fromMs, qint64 toMs) const {
    QVector<double> out;
    const qsizetype count = m_samples.size() / 2, window = Rate / 100;
    const auto* samples = reinterpret_cast<const qint16*>(m_samples.constData()); // little endian
    for (qint64 ms = fromMs; ms < toMs; ms += 10) {
        const qint64 first = (ms - m_firstSampleMs) * Rate / 1000;
        double sum = 0;
        for (qint64 i = std::max<qint64>(first, 0); i < std::min(first + window, count); ++i)
            sum += std::pow(qFromLittleEndian(samples[i]) / 32768.0, 2);
        out.append(std::sqrt(sum / window));
    }
    return out;
}
