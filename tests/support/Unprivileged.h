#pragma once
// Permission checks do not stop root. While one of these lives, a test running as root acts
// as the user "nobody", so that a read-only folder is really read-only to it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <sys/stat.h>
#include <unistd.h>

class Unprivileged {
public:
    Unprivileged() : m_wasRoot(geteuid() == 0) {
        if (m_wasRoot && seteuid(65534) != 0)
            m_wasRoot = false;
    }
    ~Unprivileged() {
        if (m_wasRoot && seteuid(0) != 0)
            qFatal("could not return to root");
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool m_wasRoot;
};

inline void setMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Lets "nobody" reach `dir` through the test's own home; the folders above are not ours.
inline void openToNobody(QString dir) {
    for (; dir.startsWith(QDir::homePath()); dir = QFileInfo(dir).path())
        setMode(dir, 0777);
}
