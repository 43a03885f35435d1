#include "sound/MidiDevice.h"

#include "shell/WholeFile.h"
#include "sound/FluidTune.h"
#include "sound/MciCommand.h"

#include <map>
#include <memory>

namespace {
constexpr qint64 MaxTuneSize = 16 << 20; // a MIDI file far larger is none

std::map<QString, std::unique_ptr<FluidTune>>& devices() {
    static std::map<QString, std::unique_ptr<FluidTune>> open;
    return open;
}
} // namespace

int mciSendString(const QString& command, QString* answer) {
    if (answer)
        answer->clear();
    const std::optional<MciCommand> c = parseMciCommand(command);
    if (!c || (c->verb == QLatin1String("open") && c->device != QLatin1String("sequencer")))
        return Mci::UnrecognisedCommand;
    auto& open = devices();
    const auto it = open.find(c->alias);
    if (c->verb == QLatin1String("open")) {
        if (it != open.end())
            return Mci::AliasInUse;
        // Read whole at once: another copy of the program may replace the file next.
        const wholeFile::Contents file = wholeFile::read(c->file, MaxTuneSize);
        if (file.state != wholeFile::State::Read)
            return Mci::FileNotFound;
        std::unique_ptr<FluidTune> tune = FluidTune::open(file.bytes);
        if (!tune)
            return Mci::CannotPlay;
        open.emplace(c->alias, std::move(tune));
        return Mci::Ok;
    }
    if (it == open.end())
        return Mci::NotOpen;
    FluidTune& tune = *it->second;
    if (c->verb == QLatin1String("play")) {
        tune.play();
    } else if (c->verb == QLatin1String("close")) {
        open.erase(it);
    } else if (c->verb == QLatin1String("seek")) {
        tune.seek(c->item == QLatin1String("end") ? tune.length() : c->item.toLong());
    } else if (c->item == QLatin1String("mode")) {
        if (answer)
            *answer = tune.playing() ? QStringLiteral("playing") : QStringLiteral("stopped");
    } else if (c->item == QLatin1String("length") || c->item == QLatin1String("position")) {
        // The player knows the length only once it has begun; until then a playing tune
        // reports one tick more than its position, so that it is not taken for ended.
        const long position = tune.position();
        const long length = tune.length() > 0 ? tune.length() : tune.playing() ? position + 1 : 0;
        if (answer)
            *answer = QString::number(c->item == QLatin1String("length") ? length : position);
    } else {
        return Mci::UnrecognisedCommand;
    }
    return Mci::Ok;
}
