#include "shell/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wholeFile {

namespace {

QString resolved(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical; // a dangling link: the file it names
}

// A new file of a name of its own beside `target`, hidden: a copy killed while it writes leaves
// it behind.
int createBeside(const QByteArray& target, QByteArray& temp) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray prefix = target.left(slash + 1) + '.' + target.mid(slash + 1) + '~';
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = prefix + QByteArray::number(QRandomGenerator::global()->bounded(1 << 30), 36);
        const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Every byte, or false: the kernel may take a part of them at a time.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        left -= n;
    }
    return true;
}

} // namespace

Contents read(const QString& path, qint64 limit) {
    // Not blocking: a named pipe opened for reading would wait for a writer for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Unreadable, {}};
    Contents contents{State::Unreadable, {}};
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= limit) {
        QByteArray bytes;
        char buffer[16384];
        ssize_t n = 0;
        // Up to one byte past the limit: a file that grew meanwhile is too large as well.
        while (bytes.size() <= limit && ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)))
            bytes.append(buffer, std::max<ssize_t>(n, 0));
        if (n == 0 && bytes.size() <= limit)
            contents = {State::Read, bytes};
    }
    ::close(fd);
    return contents;
}

Written replace(const QString& path, const QByteArray& bytes, Links links) {
    const QByteArray target = QFile::encodeName(links == Links::Follow ? resolved(path) : path);
    struct stat old {};
    const bool exists = ::lstat(target.constData(), &old) == 0;
    const bool link = exists && S_ISLNK(old.st_mode) && links == Links::Replace;
    if (exists && !link && (!S_ISREG(old.st_mode) || ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0))
        return Written::Refused;
    QByteArray temp;
    const int fd = createBeside(target, temp);
    if (fd < 0)
        return Written::Refused;
    if (exists && !link)
        ::fchmod(fd, old.st_mode & 0777);
    // The data must be on the disk before the name moves: a write that fails only when it is
    // flushed or synced must never leave a short file under the old name.
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temp.constData());
    return ok ? Written::Ok : Written::Failed;
}

Lock::Lock(const QString& path) : m_lock(path + QStringLiteral(".lock")) {
    m_lock.tryLock(1000);
}

} // namespace wholeFile
