#pragma once
// A live top-level window's mark in the per-user window class registry: a shared lock on the
// class's file, held for the life of the object.

#include <string>

class WindowClassLock {
public:
    // Takes the lock; without a usable runtime folder the window is simply not registered.
    explicit WindowClassLock(const std::string& className);
    ~WindowClassLock();
    WindowClassLock(const WindowClassLock&) = delete;
    WindowClassLock& operator=(const WindowClassLock&) = delete;

    bool Held() const { return fd >= 0; }

    // The registry file of a class, or empty when no safe runtime folder exists. The folder is
    // $XDG_RUNTIME_DIR when it is an absolute path to a folder of this user, else
    // /tmp/tessiva-<uid>/, created 0700 and checked to belong to this user alone.
    static std::string LockFilePath(const std::string& className);

private:
    int fd = -1;
};
