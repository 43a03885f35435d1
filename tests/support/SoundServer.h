#pragma once
// A private PulseAudio server with one null sink, so that tests and benchmarks hear what the
// program plays: start() it before the application object exists, then record the sink's
// monitor, each block placed in time by the moment it arrived.

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

class SoundServer {
public:
    ~SoundServer();
    // Starts the server and points this process's sound clients at it; false if it won't run.
    bool start();

private:
    QTemporaryDir m_dir;
    QProcess m_server;
};

class Recorder {
public:
    static constexpr int Rate = 8000; // mono, 16 bit
    explicit Recorder(const QElapsedTimer& clock);
    ~Recorder();
    // The loudness (RMS, 0..1) of each 10 ms from `fromMs` to `toMs` of the clock.
    QVector<double> levels(qint64 fromMs, qint64 toMs) const;

private:
    const QElapsedTimer& m_clock;
    QProcess m_process;
    QByteArray m_samples;
    qint64 m_firstSampleMs = -1; // the clock's time of the first recorded sample
};
