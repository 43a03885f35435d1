// The wave output on Qt Multimedia, a module of its own (see Module.h).

#include "sound/AudioApi.h"
#include "sound/Module.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <memory>

namespace {

// The sound playing now: its sink and the buffer it reads from.
struct Playing {
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
};
Playing& current() {
    static Playing p;
    return p;
}

void stop() {
    Playing& p = current();
    if (p.sink)
        p.sink->stop();
    // Released from the event loop: stop() may run inside one of the sink's own signals.
    if (p.sink)
        p.sink.release()->deleteLater();
    if (p.buffer)
        p.buffer.release()->deleteLater();
}

bool play(int sampleRate, int channels, int bitsPerSample, const char* samples, long size) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    Playing& p = current();
    p.buffer = std::make_unique<QBuffer>();
    p.buffer->setData(samples, size);
    p.buffer->open(QIODevice::ReadOnly);
    p.sink = std::make_unique<QAudioSink>(device, format);
    QAudioSink* sink = p.sink.get();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State s) {
        if (s != QAudio::IdleState)
            return;
        // All bytes are handed over; once the device has played what it holds, the stream
        // goes, so that an idle program keeps nothing running.
        const qint64 heldMs = sink->format().durationForBytes(sink->bufferSize()) / 1000;
        QTimer::singleShot(heldMs + 100, sink, [sink] {
            if (current().sink.get() == sink)
                stop();
        });
    });
    p.sink->start(p.buffer.get());
    if (p.sink->state() == QAudio::StoppedState && p.sink->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}

const AudioApi api = {AudioApi::Version, [] { QMediaDevices::defaultAudioOutput(); }, play, stop};

} // namespace

MIRVEL_MODULE_ENTRY const AudioApi* mirvel_audio_api() {
    return &api;
}
