// Preloaded into a program under test (LD_PRELOAD), makes its own writes fail as a full disk, a
// file-size limit or an I/O error do, without root and without touching the rest of the machine.
//   MIRVEL_FAULT_FILE  a pattern (fnmatch) of the paths it acts on: the file written for write,
//                      fsync and fdatasync, the new name for rename
//   MIRVEL_FAULT       write:ENOSPC, write:EFBIG, fsync:EIO, rename:EIO ...: that call fails with
//                      that error (a write takes half of what it is given first, as a disk that
//                      fills up does); pause:MARKER: the write takes half, makes the file MARKER
//                      and waits for ever, for the test to kill the program there.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <string>
#include <unistd.h>

namespace {

const char* const pattern = std::getenv("MIRVEL_FAULT_FILE");
const std::string fault = std::getenv("MIRVEL_FAULT") ? std::getenv("MIRVEL_FAULT") : "";

template <typename F> F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool matches(const char* path) {
    return pattern && path && fnmatch(pattern, path, 0) == 0;
}
bool fdMatches(int fd) {
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    return n > 0 && (path[n] = '\0', matches(path));
}
// The error to fail `call` with, or 0.
int errorFor(const std::string& call) {
    if (fault.rfind(call + ':', 0) != 0)
        return 0;
    const std::string name = fault.substr(call.size() + 1);
    return name == "ENOSPC" ? ENOSPC : name == "EFBIG" ? EFBIG : EIO;
}

} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static const auto next = real<ssize_t (*)(int, const void*, size_t)>("write");
    const int error = errorFor("write");
    const bool pausing = fault.rfind("pause:", 0) == 0;
    if ((!error && !pausing) || !fdMatches(fd))
        return next(fd, data, size);
    if (size > 1 || pausing) {
        const ssize_t n = next(fd, data, size / 2);
        if (pausing) {
            close(open(fault.c_str() + 6, O_WRONLY | O_CREAT, 0600));
            for (;;)
                ::pause();
        }
        return n;
    }
    errno = error;
    return -1;
}

extern "C" int fsync(int fd) {
    static const auto next = real<int (*)(int)>("fsync");
    const int error = errorFor("fsync");
    return error && fdMatches(fd) ? (errno = error, -1) : next(fd);
}

extern "C" int fdatasync(int fd) {
    static const auto next = real<int (*)(int)>("fdatasync");
    const int error = errorFor("fsync");
    return error && fdMatches(fd) ? (errno = error, -1) : next(fd);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto next = real<int (*)(const char*, const char*)>("rename");
    const int error = errorFor("rename");
    return error && matches(to) ? (errno = error, -1) : next(from, to);
}
