// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A live top-level window's mark in the per-user window class registry: a shared lock on the
// class's file, held for the life of the object.

#include <string>
#include <vector>

class WindowClassLock {
public:
    // Takes the lock; without a usable runtime folder the window is simply not registered.
    explicit WindowClassLock(const std::string& className);
    ~WindowClassLock();
    WindowClassLock(const WindowClassLock&) = delete;
    WindowClassLock& operator=(const WindowClassLock&) = delete;

    bool Held() const { return fd >= 0; }

    // The registry file a new window of the class marks, or empty when no safe folder exists.
    // The folder is the user's runtime folder /run/user/<uid>/ when it is a folder of this user
    // alone, else /tmp/tessiva-<uid>/, created 0700 and checked to belong to this user alone.
    // Nothing in the environment changes it.
    static std::string LockFilePath(const std::string& className);
    // Every registry file of the class that a live window may hold, in both folders above
    // (those that exist and belong to this user alone), for asking.
    static std::vector<std::string> LockFilePaths(const std::string& className);

private:
    int fd = -1;
};
