// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/NativeWindowStates.h"

NativeWindowStates::State NativeWindowStates::Maximize(HWND window, Sizing sizing) {
    Entry& entry = windows[window];
    if (sizing == Sizing::ByHand)
        entry.maximizedByHand = true;
    return Report(entry, {false, true});
}

void NativeWindowStates::Move(HWND window) {
    Entry& entry = windows[window];
    entry.maximizedByHand = false;
    entry.reported.maximized = false;
}

void NativeWindowStates::Forget(HWND window) { windows.erase(window); }

NativeWindowStates::State NativeWindowStates::Restored(HWND window, bool nativeMaximized) {
    Entry& entry = windows[window];
    const bool fromMinimized = entry.reported.minimized;
    if (!fromMinimized)
        entry.maximizedByHand = false;
    return Report(entry,
                  {false, nativeMaximized || entry.maximizedByHand || (fromMinimized && entry.reported.maximized)});
}

std::optional<NativeWindowStates::State> NativeWindowStates::Resized(HWND window, bool nativeMaximized) {
    Entry& entry = windows[window];
    if (entry.reported.minimized)
        return std::nullopt;
    return Report(entry, {false, nativeMaximized || entry.maximizedByHand});
}

NativeWindowStates::State NativeWindowStates::Maximized(HWND window, bool nativeMaximized) {
    Entry& entry = windows[window];
    return Report(entry, {false, nativeMaximized || entry.maximizedByHand});
}

NativeWindowStates::State NativeWindowStates::Minimized(HWND window) {
    Entry& entry = windows[window];
    return Report(entry, {true, entry.reported.maximized});
}

NativeWindowStates::State NativeWindowStates::Report(Entry& entry, State state) {
    entry.reported = state;
    return state;
}
