// Preloaded into a program under test (LD_PRELOAD), fails its own writes as a full disk, a
// file-size limit or an I/O error do, without root and without touching the rest of the machine.
//   MIRVEL_FAULT_FILE  a pattern (fnmatch) of the paths it acts on: the file written for write,
//                      fsync and fdatasync, the new name for rename
//   MIRVEL_FAULT       CALL:ERROR (write:ENOSPC, fsync:EIO, rename:EFBIG...): that call fails so,
//                      a write after taking half of what it is given, as a filling disk does;
//                      pause:MARKER: a write takes half, makes MARKER and waits to be killed.
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <string>
#include <unistd.h>

namespace {

const char* const pattern = std::getenv("MIRVEL_FAULT_FILE");
const std::string fault = std::getenv("MIRVEL_FAULT") ? std::getenv("MIRVEL_FAULT") : "";

template <typename F> F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
bool matches(const char* path) {
    return pattern && path && fnmatch(pattern, path, 0) == 0;
}
bool fdMatches(int fd) {
    char path[4096];
    const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
    return n > 0 && (path[n] = '\0', matches(path));
}
// The error to fail `call` with, or 0.
int errorFor(const std::string& call) {
    if (fault.rfind(call + ':', 0) != 0)
        return 0;
    const std::string name = fault.substr(call.size() + 1);
    return name == "ENOSPC" ? ENOSPC : name == "EFBIG" ? EFBIG : EIO;
}
int failWith(int error) {
    errno = error;
    return -1;
}

} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    const int error = errorFor("write");
    const bool pausing = fault.rfind("pause:", 0) == 0;
    if ((!error && !pausing) || !fdMatches(fd))
        return real(fd, data, size);
    if (size <= 1 && !pausing)
        return failWith(error);
    const ssize_t n = real(fd, data, size / 2);
    for (; pausing; pause())
        close(open(fault.c_str() + 6, O_WRONLY | O_CREAT, 0600));
    return n;
}

extern "C" int fsync(int fd) {
    static const auto real = next<int (*)(int)>("fsync");
    return errorFor("fsync") && fdMatches(fd) ? failWith(errorFor("fsync")) : real(fd);
}

extern "C" int fdatasync(int fd) {
    static const auto real = next<int (*)(int)>("fdatasync");
    return errorFor("fsync") && fdMatches(fd) ? failWith(errorFor("fsync")) : real(fd);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return errorFor("rename") && matches(to) ? failWith(errorFor("rename")) : real(from, to);
}
