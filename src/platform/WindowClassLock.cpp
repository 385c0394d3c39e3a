// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowClassLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A folder that only this user can change: ours, no symbolic link, no write bits for others.
bool PrivateFolder(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 022) == 0;
}

// The user's runtime folder, made by the session manager for every login of the user.
std::string UserRuntimeFolder() { return "/run/user/" + std::to_string(getuid()); }
// A folder of our own, where no session manager makes one.
std::string PrivateTmpFolder() { return "/tmp/tessiva-" + std::to_string(getuid()); }

// Where new marks go. Both are derived from the user id alone, never from the environment: a
// program started from su, ssh or a bare launcher must meet the same registry.
std::string RuntimeFolder() {
    if (PrivateFolder(UserRuntimeFolder()))
        return UserRuntimeFolder() + "/";
    const std::string fallback = PrivateTmpFolder();
    if (mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST)
        return std::string();
    return PrivateFolder(fallback) ? fallback + "/" : std::string();
}

// Class names become file names: anything but letters, digits, '_', '-' and '.' is replaced.
std::string FileNameOf(const std::string& className) {
    std::string name;
    for (const char c : className) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                           c == '-' || c == '.';
        name += plain ? c : '_';
    }
    return "tessiva-window-class-" + name + ".lock";
}

}   // namespace

WindowClassLock::WindowClassLock(const std::string& className) {
    const std::string path = LockFilePath(className);
    if (path.empty())
        return;
    fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return;
    if (flock(fd, LOCK_SH | LOCK_NB) != 0) {
        // Someone is testing the registry this very moment; wait for the test to end.
        if (flock(fd, LOCK_SH) != 0) {
            close(fd);
            fd = -1;
        }
    }
}

WindowClassLock::~WindowClassLock() {
    if (fd >= 0)
        close(fd);
}

std::string WindowClassLock::LockFilePath(const std::string& className) {
    if (className.empty())
        return std::string();
    const std::string folder = RuntimeFolder();
    return folder.empty() ? std::string() : folder + FileNameOf(className);
}

std::vector<std::string> WindowClassLock::LockFilePaths(const std::string& className) {
    std::vector<std::string> paths;
    if (className.empty())
        return paths;
    // The runtime folder may have come or gone since a window took its mark, so both folders
    // are asked; neither is created for asking.
    for (const std::string& folder : {UserRuntimeFolder(), PrivateTmpFolder()})
        if (PrivateFolder(folder))
            paths.push_back(folder + "/" + FileNameOf(className));
    return paths;
}
