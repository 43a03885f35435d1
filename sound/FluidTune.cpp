#include "sound/FluidTune.h"

#include "sound/FluidApi.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// Loaded with the first tune and kept; null when the module is missing or of another build.
const FluidApi* api() {
    static const FluidApi* const loaded = []() -> const FluidApi* {
        QLibrary module(QCoreApplication::applicationDirPath() + u'/' + QLatin1String(fluidModuleName));
        const auto entry = reinterpret_cast<FluidApiEntry>(module.resolve(fluidEntryName));
        const FluidApi* offered = entry ? entry() : nullptr;
        return offered && offered->version == fluidApiVersion ? offered : nullptr;
    }();
    return loaded;
}

} // namespace

std::unique_ptr<FluidTune> FluidTune::open(const QByteArray& midiFile) {
    const FluidApi* fluid = api();
    void* tune = fluid ? fluid->open(midiFile.constData(), midiFile.size()) : nullptr;
    return tune ? std::unique_ptr<FluidTune>(new FluidTune(tune)) : nullptr;
}

FluidTune::~FluidTune() {
    api()->close(m_tune);
}

void FluidTune::play() {
    api()->play(m_tune);
}

long FluidTune::length() const {
    return api()->length(m_tune);
}

long FluidTune::position() const {
    return api()->position(m_tune);
}

bool FluidTune::playing() const {
    return api()->playing(m_tune);
}

void FluidTune::seek(long tick) {
    api()->seek(m_tune, tick);
}
