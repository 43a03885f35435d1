#include "shell/FileLocations.h"

#include "shell/ProgramInfo.h"

#include <QDir>
#include <QStandardPaths>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A group of the user's name that is the user's own (Debian gives every user one): writable
// by that group is writable by the user alone.
bool isOwnGroup(gid_t gid) {
    const passwd* user = ::getpwuid(::geteuid());
    const QByteArray userName = user ? user->pw_name : "";
    const group* g = ::getgrgid(gid);
    return user && g && gid == user->pw_gid && userName == g->gr_name && !(g->gr_mem && g->gr_mem[0]);
}
} // namespace

bool ProgramFolderIsOurs() {
    const QByteArray folder = QFile::encodeName(ProgramInfo::folder());
    struct stat info {};
    // Asked of the kernel for the effective user: this also says "no" on a read-only file
    // system, where even root cannot write.
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) != 0 || ::stat(folder.constData(), &info) != 0)
        return false;
    return info.st_uid == ::geteuid() && !(info.st_mode & S_IWOTH) &&
           (!(info.st_mode & S_IWGRP) || isOwnGroup(info.st_gid));
}

QString ProgramFilePath(const QString& name, UserFolder otherwise) {
    if (ProgramFolderIsOurs())
        return QDir(ProgramInfo::folder()).filePath(name);
    const auto location =
        otherwise == UserFolder::Config ? QStandardPaths::GenericConfigLocation : QStandardPaths::GenericDataLocation;
    const QString folder = QDir(QStandardPaths::writableLocation(location)).filePath(ProgramInfo::title());
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}

QString IniFilePath() {
    return ProgramFilePath(ProgramInfo::title() + QStringLiteral(".ini"), UserFolder::Config);
}
