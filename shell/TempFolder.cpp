#include "shell/TempFolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool isPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}
} // namespace

QString PrivateTempFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray folder = runtime.isEmpty()
                                  ? QFile::encodeName(QDir::tempPath()) + "/mirvel-" + QByteArray::number(::geteuid())
                                  : runtime + "/mirvel";
    ::mkdir(folder.constData(), 0700); // there already, or made now: checked alike
    if (isPrivateFolder(folder))
        return QFile::decodeName(folder);
    // Taken by someone else, a link, or open to others: one of our own for this run.
    static QByteArray fresh;
    if (!fresh.startsWith(folder + '-') || !isPrivateFolder(fresh)) {
        QByteArray name = folder + "-XXXXXX";
        fresh = ::mkdtemp(name.data()) ? name : QByteArray();
    }
    return QFile::decodeName(fresh.isEmpty() ? folder : fresh);
}
