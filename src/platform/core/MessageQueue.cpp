// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/MessageQueue.h"

#include <algorithm>

#include "platform/core/WindowRecord.h"

void MessageQueue::Post(const MSG& msg) { posted.push_back(msg); }

void MessageQueue::PostMouse(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE && !posted.empty()) {
        const MSG& last = posted.back();
        if (last.message == WM_MOUSEMOVE && last.hwnd == msg.hwnd)
            posted.pop_back();
    }
    posted.push_back(msg);
}

void MessageQueue::SetTimer(HWND window, UINT_PTR id, UINT elapse, uint32_t now) {
    timers[{HandleValue(window), id}] = Timer{elapse, now + elapse};
}

bool MessageQueue::KillTimer(HWND window, UINT_PTR id) {
    std::erase_if(posted, [&](const MSG& m) { return m.hwnd == window && m.message == WM_TIMER && m.wParam == id; });
    return timers.erase({HandleValue(window), id}) > 0;
}

void MessageQueue::DropTimers(HWND window) {
    const uintptr_t key = HandleValue(window);
    timers.erase(timers.lower_bound({key, 0}), timers.lower_bound({key + 1, 0}));
}

std::optional<int> MessageQueue::NextTimerDelay(uint32_t now) const {
    std::optional<int> delay;
    for (const auto& [key, timer] : timers) {
        const int32_t left = static_cast<int32_t>(timer.due - now);
        const int d = std::max(left, 0);
        if (!delay || d < *delay)
            delay = d;
    }
    return delay;
}

std::optional<MSG> MessageQueue::Take(bool remove, uint32_t now, const std::function<HWND()>& invalidWindow) {
    if (!posted.empty()) {
        const MSG msg = posted.front();
        if (remove)
            posted.pop_front();
        return msg;
    }
    if (quitCode) {
        MSG msg;
        msg.message = WM_QUIT;
        msg.wParam = static_cast<WPARAM>(*quitCode);
        msg.time = now;
        if (remove)
            quitCode.reset();
        return msg;
    }
    if (const HWND invalid = invalidWindow()) {
        MSG msg;
        msg.hwnd = invalid;
        msg.message = WM_PAINT;
        msg.time = now;
        return msg;
    }
    // The most overdue timer fires; on a tie the first window, then the lowest id.
    Timer* due = nullptr;
    TimerKey dueKey{};
    int32_t mostLate = -1;
    for (auto& [key, timer] : timers) {
        const int32_t late = static_cast<int32_t>(now - timer.due);
        if (late > mostLate) {
            mostLate = late;
            due = &timer;
            dueKey = key;
        }
    }
    if (!due || mostLate < 0)
        return std::nullopt;
    if (remove) {
        // A late timer fires once, not once per missed period.
        due->due += due->elapse;
        if (static_cast<int32_t>(due->due - now) <= 0)
            due->due = now + due->elapse;
    }
    MSG msg;
    msg.hwnd = ToHwnd(dueKey.first);
    msg.message = WM_TIMER;
    msg.wParam = dueKey.second;
    msg.time = now;
    return msg;
}
