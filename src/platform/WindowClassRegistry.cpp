// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowClassRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/WindowClassLock.h"

namespace {
bool HeldByAnyone(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;   // no window of the class was ever made here
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);   // also drops the test lock, if it was taken
    return held;
}
}   // namespace

bool TopLevelWindowOfClassExists(const std::string& className) {
    for (const std::string& path : WindowClassLock::LockFilePaths(className))
        if (HeldByAnyone(path))
            return true;
    return false;
}
