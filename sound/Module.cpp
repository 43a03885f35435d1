#include "sound/Module.h"

#include "shell/ProgramInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

namespace module {

namespace {
void say(const QString& line) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramInfo::exeName()), qPrintable(line));
}
} // namespace

QFunctionPointer entry(const char* file, const char* entryName, const char* silenced) {
    // Beside the program, whatever the folder it was started from (an installed copy is
    // started through a link; Qt reads the program's real path).
    QLibrary module(QCoreApplication::applicationDirPath() + u'/' + QLatin1String(file));
    if (!QFileInfo::exists(module.fileName()))
        return nullptr; // left out on purpose: the game plays in silence
    const QFunctionPointer found = module.resolve(entryName);
    if (!found)
        say(QStringLiteral("%1 cannot be used (%2); %3 stay silent").arg(file, module.errorString(), silenced));
    return found;
}

bool takes(const char* file, int got, int wanted, const char* silenced) {
    if (got != wanted)
        say(QStringLiteral("%1 is a module of version %2, this program takes version %3; %4 stay silent")
                .arg(QLatin1String(file))
                .arg(got)
                .arg(wanted)
                .arg(QLatin1String(silenced)));
    return got == wanted;
}

} // namespace module
