#include "sound/Module.h"

#include <QCoreApplication>
#include <QLibrary>

const void* loadModule(const char* fileName, const char* entry, int version) {
    // Beside the program, whatever the folder it was started from (an installed copy is
    // started through a link; Qt reads the program's real path).
    QLibrary module(QCoreApplication::applicationDirPath() + u'/' + QLatin1String(fileName));
    using Entry = const int* (*)();
    const auto get = reinterpret_cast<Entry>(module.resolve(entry));
    const int* table = get ? get() : nullptr;
    return table && *table == version ? table : nullptr;
}
