#include "sound/FluidTune.h"

#include "sound/FluidApi.h"
#include "sound/Module.h"

#include <set>
#include <utility>
#include <vector>

namespace {

// Only once the module is ready; null when it cannot be used.
const FluidApi* api() {
    return loadModule<FluidApi>();
}

// The tunes opened while the module loads.
std::set<FluidTune*>& waiting() {
    static std::set<FluidTune*> tunes;
    return tunes;
}

} // namespace

void FluidTune::preload(const QList<QByteArray>& repertoire) {
    preloadModule<FluidApi>(synthesizerReady, [repertoire](const FluidApi& fluid) {
        std::vector<const char*> tunes;
        std::vector<long> sizes;
        for (const QByteArray& tune : repertoire) {
            tunes.push_back(tune.constData());
            sizes.push_back(long(tune.size()));
        }
        fluid.prepare(tunes.data(), sizes.data(), int(tunes.size()));
    });
}

std::unique_ptr<FluidTune> FluidTune::open(const QByteArray& midiFile) {
    if (!moduleReady<FluidApi>()) {
        preload();
        std::unique_ptr<FluidTune> tune(new FluidTune(nullptr));
        tune->m_waitingFile = midiFile;
        tune->m_waiting = true;
        waiting().insert(tune.get());
        return tune;
    }
    const FluidApi* fluid = api();
    void* tune = fluid ? fluid->open(midiFile.constData(), midiFile.size()) : nullptr;
    return tune ? std::unique_ptr<FluidTune>(new FluidTune(tune)) : nullptr;
}

void FluidTune::synthesizerReady() {
    const FluidApi* fluid = api();
    for (FluidTune* tune : std::exchange(waiting(), {})) {
        const QByteArray file = std::exchange(tune->m_waitingFile, {});
        tune->m_waiting = false;
        tune->m_tune = fluid ? fluid->open(file.constData(), file.size()) : nullptr;
        if (tune->m_tune && tune->m_playWanted)
            fluid->play(tune->m_tune);
    }
}

FluidTune::~FluidTune() {
    waiting().erase(this);
    if (m_tune)
        api()->close(m_tune);
}

void FluidTune::play() {
    if (m_tune)
        api()->play(m_tune);
    m_playWanted = true;
}

long FluidTune::length() const {
    return m_tune ? api()->length(m_tune) : 0;
}

long FluidTune::position() const {
    return m_tune ? api()->position(m_tune) : 0;
}

bool FluidTune::playing() const {
    if (!m_tune) // waiting: as it was told; not opened: ended
        return m_playWanted && m_waiting;
    return api()->playing(m_tune);
}

void FluidTune::seek(long tick) {
    if (m_tune)
        api()->seek(m_tune, tick);
}
