#include "shell/IniLocation.h"

#include "shell/ProgramInfo.h"

#include <QDir>
#include <QStandardPaths>
#include <fcntl.h>
#include <unistd.h>

QString IniFilePath() {
    const QString name = ProgramInfo::title() + QStringLiteral(".ini");
    const QString folder = ProgramInfo::folder();
    // Asked of the kernel for the effective user: this also says "no" on a read-only file
    // system, where even root cannot write.
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0)
        return QDir(folder).filePath(name);
    const QString perUser =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(ProgramInfo::title());
    QDir().mkpath(perUser);
    return QDir(perUser).filePath(name);
}
