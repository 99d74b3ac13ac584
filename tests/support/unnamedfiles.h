#pragma once

// Included by one source file of a test program: its open and open64 stand in for the C
// library's, so that the test can make the file system refuse unnamed files (O_TMPFILE) as
// vfat and some network file systems do, and the save take its other way.
#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

inline bool refuseUnnamedFiles = false;

namespace unnamedfiles {

inline int openFile(const char* path, int flags, va_list rest) {
    const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
    const mode_t mode = (flags & O_CREAT) || unnamed ? va_arg(rest, mode_t) : 0;
    if (unnamed && refuseUnnamedFiles) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return int(syscall(SYS_openat, AT_FDCWD, path, flags, mode));
}

} // namespace unnamedfiles

extern "C" int open(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const int handle = unnamedfiles::openFile(path, flags, rest);
    va_end(rest);
    return handle;
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const int handle = unnamedfiles::openFile(path, flags, rest);
    va_end(rest);
    return handle;
}
