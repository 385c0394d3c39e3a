// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thread's message queue: posted messages, the quit code, mouse-move coalescing and the
// window timers, and the order in which a waiting thread takes them: posted messages in
// arrival order, then a posted quit, then WM_PAINT for a window with an invalid area, then
// WM_TIMER for the timer that is most overdue.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "platform/WinTypes.h"

class MessageQueue {
public:
    void Post(const MSG& msg);
    // A mouse message; a move replaces a move to the same window still waiting at the back,
    // as only the latest position matters.
    void PostMouse(const MSG& msg);
    void PostQuit(int exitCode) { quitCode = exitCode; }

    // (Re)starts the timer: WM_TIMER every `elapse` milliseconds from `now`.
    void SetTimer(HWND window, UINT_PTR id, UINT elapse, uint32_t now);
    // Stops the timer and drops a WM_TIMER of it still in the queue; false when there was none.
    bool KillTimer(HWND window, UINT_PTR id);
    // Stops every timer of a window that goes.
    void DropTimers(HWND window);

    // The next message at `now`, taken off the queue when `remove`. `invalidWindow` names the
    // window that WM_PAINT goes to, or null; a paint stays due until that window is validated.
    std::optional<MSG> Take(bool remove, uint32_t now, const std::function<HWND()>& invalidWindow);
    // Milliseconds until the next timer is due (0 when one is late); none without timers.
    std::optional<int> NextTimerDelay(uint32_t now) const;

private:
    struct Timer {
        UINT elapse = 0;
        uint32_t due = 0;
    };
    // Keyed by the window's handle value, then the id: windows in creation order.
    using TimerKey = std::pair<uintptr_t, UINT_PTR>;

    std::deque<MSG> posted;
    std::optional<int> quitCode;
    std::map<TimerKey, Timer> timers;
};
