#include "shell/IniLocation.h"

#include "shell/ProgramInfo.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

QString IniFilePath() {
    const QString name = ProgramInfo::title() + QStringLiteral(".ini");
    const QString folder = ProgramInfo::folder();
    // access() also answers "no" on a read-only file system, even for root.
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
        return QDir(folder).filePath(name);
    const QString perUser = QDir(QStandardPaths::writableLocation(
                                     QStandardPaths::GenericConfigLocation))
                                .filePath(ProgramInfo::title());
    QDir().mkpath(perUser);
    return QDir(perUser).filePath(name);
}
