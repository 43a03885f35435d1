#pragma once
// A private PulseAudio server with one null sink, so that the sound tests hear what the
// program plays: start() it before the application object exists, then record the sink's
// monitor, each block placed in time by the moment it arrived.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <sys/prctl.h>

class SoundServer {
public:
    ~SoundServer() { m_server.kill(), m_server.waitForFinished(); }
    // A test ends with _Exit (see testenv::end), so no destructor runs: the server dies with
    // its test, and its folder goes before.
    void removeFolder() { m_dir.remove(); }
    // Starts the server and points this process's sound clients at it; false if it won't run.
    bool start() {
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_server.start(QStringLiteral("pulseaudio"),
                       QStringList{"--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                                   "--load=module-null-sink sink_name=nul",
                                   "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QThread::msleep(50);
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + socket));
        qputenv("MIRVEL_TEST_PULSE", "1");
        return QFile::exists(socket);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
};

class Recorder {
public:
    static constexpr int Rate = 8000; // mono, 16 bit
    explicit Recorder(const QElapsedTimer& clock) {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this, &clock] {
            const QByteArray block = m_process.readAllStandardOutput();
            if (m_firstSampleMs < 0)
                m_firstSampleMs = clock.elapsed() - block.size() / 2 * 1000 / Rate;
            m_samples += block;
        });
        m_process.start(QStringLiteral("parecord"),
                        QStringList{"--device=nul.monitor", "--raw", "--format=s16le", "--channels=1",
                                    "--rate=" + QString::number(Rate), "--latency-msec=10"});
        m_process.waitForStarted();
    }
    ~Recorder() { m_process.kill(), m_process.waitForFinished(); }

    // The loudness (RMS, 0..1) of each 10 ms from `fromMs` to `toMs` of the clock.
    QVector<double> levels(qint64 fromMs, qint64 toMs) const {
        QVector<double> out;
        const qint64 count = m_samples.size() / 2, window = Rate / 100;
        for (qint64 ms = fromMs; ms < toMs; ms += 10) {
            const qint64 first = (ms - m_firstSampleMs) * Rate / 1000;
            double sum = 0;
            for (qint64 i = std::max<qint64>(first, 0); i < std::min(first + window, count); ++i)
                sum += std::pow(qFromLittleEndian<qint16>(m_samples.constData() + 2 * i) / 32768.0, 2);
            out.append(std::sqrt(sum / window));
        }
        return out;
    }

private:
    QProcess m_process;
    QByteArray m_samples;
    qint64 m_firstSampleMs = -1; // the clock's time of the first recorded sample
};
