#pragma once
// Permission checks do not stop root: while one of these lives, a test running as root acts as
// the user "nobody", so that a read-only folder is really read-only to it.

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

struct Unprivileged {
    const bool wasRoot = geteuid() == 0 && seteuid(65534) == 0;
    ~Unprivileged() {
        if (wasRoot && seteuid(0) != 0)
            qFatal("could not return to root");
    }
};

inline void setMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Lets "nobody" reach `dir` through the test's own home; the folders above are not ours.
inline void openToNobody(QString dir) {
    for (; dir.startsWith(QDir::homePath()); dir = QFileInfo(dir).path())
        setMode(dir, 0777);
}
