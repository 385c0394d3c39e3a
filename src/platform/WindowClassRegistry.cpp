#include "platform/WindowClassRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/WindowClassLock.h"

bool TopLevelWindowOfClassExists(const std::string& className) {
    const std::string path = WindowClassLock::LockFilePath(className);
    if (path.empty())
        return false;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;   // no window of the class was ever made here
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);   // also drops the test lock, if it was taken
    return held;
}
