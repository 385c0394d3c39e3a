// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thread's message queue: sending, posting, getting and dispatching messages; timers.

#include "platform/WinTypes.h"

// Calls the window's procedure at once and returns its result; 0 for an invalid window.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a message behind those already queued; false for an invalid window.
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues WM_QUIT with the exit code; GetMessage then returns false with it in msg.wParam.
void PostQuitMessage(int exitCode);

// Takes the next message, waiting for one. Posted messages come first in arrival order, then
// a posted quit, then WM_PAINT for windows with an invalid area, then WM_TIMER for due timers.
// Returns false for WM_QUIT.
bool GetMessage(MSG& msg);
// Like GetMessage without waiting; false when nothing is there.
bool PeekMessage(MSG& msg, UINT removeFlags);
// Nothing to translate here (no keyboard input is used); kept for the loop's usual shape.
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);

// Window timers: WM_TIMER with the id every `elapseMs` to that window. Setting an existing id
// again restarts it. A late timer fires once, not once per missed period.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs);
bool KillTimer(HWND window, UINT_PTR id);

// Milliseconds of the platform clock (the headless backend's is driven by tests).
uint32_t GetTickCount();
