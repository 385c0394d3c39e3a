// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting and stopping the window system. Each backend library (platform_sdl,
// platform_headless) defines these; the backend is chosen by the library linked.

// Starts the backend; false when no display can be used (the program then ends with 0).
// `applicationClass` names the program's native windows to the desktop (X11 WM_CLASS); the
// game gives its main window class.
bool InitPlatform(const char* applicationClass);
// Destroys the windows that are left and stops the backend.
void ShutdownPlatform();

// Starts the platform for the life of the object.
class PlatformSession {
public:
    explicit PlatformSession(const char* applicationClass) : started(InitPlatform(applicationClass)) {}
    ~PlatformSession() {
        if (started)
            ShutdownPlatform();
    }
    PlatformSession(const PlatformSession&) = delete;
    PlatformSession& operator=(const PlatformSession&) = delete;

    bool Started() const { return started; }

private:
    bool started;
};
