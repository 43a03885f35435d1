#include "shell/ProgramInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString& folderOverride() {
    static QString f;
    return f;
}
} // namespace

namespace ProgramInfo {

QString title() {
    return QStringLiteral("Mirvel");
}
int versionMajor() {
    return MIRVEL_VERSION_MAJOR;
}
int versionMinor() {
    return MIRVEL_VERSION_MINOR;
}
int versionRevision() {
    return MIRVEL_VERSION_PATCH;
}

QString exeName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString folder() {
    return folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
}

void setFolder(const QString& f) {
    folderOverride() = f;
}

} // namespace ProgramInfo
