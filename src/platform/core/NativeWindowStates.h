// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The minimised and maximised state a backend reports for each of its top-level windows.

#include <map>
#include <optional>

#include "platform/WinTypes.h"

// Worked out from the native windows' events and the program's own requests. Without a window
// manager nothing maximises a window, so the backend sizes it to the usable area itself: such a
// window counts as maximised until the program moves it or a restore ends that state. The
// state reported last is kept, as the window system keeps it, to tell a window coming back
// from the taskbar from one being restored.
class NativeWindowStates {
public:
    struct State {
        bool minimized = false;
        bool maximized = false;
        bool operator==(const State&) const = default;
    };

    // Whether the backend had to size a window to the usable area itself.
    enum class Sizing { ByWindowManager, ByHand };

    // The program maximises the window.
    State Maximize(HWND window, Sizing sizing);
    // The program places the window: it is not maximised any more.
    void Move(HWND window);
    void Forget(HWND window);

    // Native events; `nativeMaximized` is the native window's own maximised flag. Each returns
    // the state to report.
    // Back from the taskbar a window gets the state it had; otherwise a restore ends the
    // maximised state.
    State Restored(HWND window, bool nativeMaximized);
    // A new size; nothing while minimised, as the window keeps its state until it is restored.
    std::optional<State> Resized(HWND window, bool nativeMaximized);
    // The window manager maximised the window.
    State Maximized(HWND window, bool nativeMaximized);
    State Minimized(HWND window);

private:
    struct Entry {
        State reported;
        bool maximizedByHand = false;
    };

    State Report(Entry& entry, State state);

    std::map<HWND, Entry> windows;
};
