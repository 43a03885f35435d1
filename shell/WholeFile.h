#pragma once
// The program's files are read only when they are plain files, and written whole or not at
// all: a full disk, an I/O error or a kill in the middle of a write leaves the old file as it
// was, byte for byte.

#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace wholeFile {

enum class State { Read, Missing, Unreadable };
struct Contents {
    State state;
    QByteArray bytes; // empty unless read
};
// Reads a regular file of at most `limit` bytes without ever waiting: a named pipe, a device,
// a folder or a larger file is unreadable, as is one we may not read.
Contents read(const QString& path, qint64 limit);

enum class Links {
    Follow,  // a link at the path is followed and its file replaced (a user's own arrangement)
    Replace, // the link itself is replaced, its target never touched
};
enum class Written {
    Ok,
    Refused, // nothing was tried: no new file may be made beside it, or the old one is not a
             // regular file, or it is one we may not write
    Failed,  // the write, the sync or the rename failed
};
// Writes `bytes` to a new file beside `path`, syncs it and renames it over `path`. An existing
// file keeps its permissions.
Written replace(const QString& path, const QByteArray& bytes, Links links);

// Held while a file is read, changed and written back, so that two copies of the program do not
// lose each other's changes. A lock left by a copy that was killed is taken over; one that
// cannot be had within a second is gone without, as a start must never hang on it.
class Lock {
public:
    explicit Lock(const QString& path);

private:
    QLockFile m_lock;
};

} // namespace wholeFile
