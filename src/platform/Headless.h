// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test controls of the headless backend: a clock driven by the test, a scripted cursor,
// injected input, a fixed 1920 x 1080 screen, readable window pixels and recorded sounds.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Input.h"
#include "platform/WinTypes.h"

namespace Headless {

inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;

// Moves the clock on; due timers fire at the next GetMessage or PeekMessage. GetMessage with
// nothing queued moves the clock to the next due timer itself, and throws std::logic_error
// when no timer exists (nothing could ever arrive).
void AdvanceClock(uint32_t milliseconds);

// Places the cursor (screen coordinates) without sending any message.
void SetCursorPos(POINT screen);
// Moves the cursor and queues the mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP)
// to the window under it, or to the capture window, as the real backend does: a disabled
// window gets nothing, and a move still queued for the same window is replaced by this one.
void InjectMouse(UINT message, POINT screen);
// The application gains (true) or loses (false) the focus: WM_ACTIVATEAPP to top-level windows.
void InjectActivateApp(bool active);
// The close box of a top-level window: WM_CLOSE is queued.
void InjectClose(HWND topLevel);

// The colour shown at a client point of a window (0xFFRRGGBB); 0 outside the screen surface.
uint32_t ReadPixel(HWND window, int x, int y);

// Names of the sounds played so far, in order.
const std::vector<std::string>& PlayedSounds();

// The cursor that was set last.
SystemCursor CurrentCursor();

}   // namespace Headless
