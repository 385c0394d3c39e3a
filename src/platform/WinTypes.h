// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window system's handle, message and geometry types, message numbers and style bits, and
// the structures that the calls and the backends share (window class, paint structure, pixel
// buffer, system cursors).

#include <cstdint>
#include <string>

// Opaque handles. A handle stays a distinct value for the life of the process, so a stale one
// is recognised (IsWindow) instead of pointing at freed memory.
using HWND = struct HWND__*;
using HDC = struct HDC__*;
using HCURSOR = struct HCURSOR__*;

using UINT = uint32_t;
using DWORD = uint32_t;
using BOOL = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;

// Other C libraries (glib) define these as macros of the same values.
#ifndef FALSE
inline constexpr BOOL FALSE = 0;
#endif
#ifndef TRUE
inline constexpr BOOL TRUE = 1;
#endif

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint32_t time = 0;   // milliseconds of the platform clock when it was queued
    POINT pt;            // cursor position in screen coordinates when it was queued
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// Messages.
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;   // lParam: const CREATESTRUCT*; -1 fails creation
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;   // wParam: SIZE_*; lParam: MAKELPARAM(width, height)
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;   // wParam: TRUE when enabled
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;          // wParam: the exit code
inline constexpr UINT WM_ERASEBKGND = 0x0014;    // wParam: the HDC; nonzero result: erased
inline constexpr UINT WM_SHOWWINDOW = 0x0018;    // wParam: TRUE when shown
inline constexpr UINT WM_ACTIVATEAPP = 0x001C;   // wParam: TRUE when activated, FALSE when deactivated
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;     // LOWORD(wParam): command id
inline constexpr UINT WM_TIMER = 0x0113;       // wParam: timer id
inline constexpr UINT WM_MOUSEMOVE = 0x0200;   // lParam: client x, y (signed 16-bit halves)
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;   // lParam: the window that takes the capture
inline constexpr UINT WM_USER = 0x0400;
inline constexpr UINT WM_APP = 0x8000;

// WM_SIZE kinds.
inline constexpr WPARAM SIZE_RESTORED = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;

// Mouse key state in wParam of mouse messages.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;

// Window styles.
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_MINIMIZE = 0x20000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE = 0x01000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Extended window styles.
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Class styles.
inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;

// System colours for class backgrounds (the class takes COLOR_* + 1, as usual).
inline constexpr int COLOR_WINDOW = 5;

// Position and size that lets the system choose.
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// SetWindowPos flags.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;

// PeekMessage flags.
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;

// PlaySound flags: 0x40007 = from a resource, asynchronous, no default sound when missing.
inline constexpr DWORD SND_ASYNC = 0x00000001;
inline constexpr DWORD SND_NODEFAULT = 0x00000002;
inline constexpr DWORD SND_RESOURCE = 0x00040004;

// Dialog and command results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int ID_APP_EXIT = 0xE141;

// Packing of wParam and lParam.
inline constexpr uint16_t LOWORD(uintptr_t v) { return static_cast<uint16_t>(v & 0xFFFF); }
inline constexpr uint16_t HIWORD(uintptr_t v) { return static_cast<uint16_t>((v >> 16) & 0xFFFF); }
inline constexpr LPARAM MAKELPARAM(uint32_t low, uint32_t high) {
    return static_cast<LPARAM>(static_cast<uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
// Signed coordinates: a point left of or above the client area (under capture) is negative.
inline constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lp))); }
inline constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lp))); }

// A window class. Child windows live inside their top-level window's native window; each
// top-level window is one native window of the backend.
struct WNDCLASS {
    std::string className;
    UINT style = CS_HREDRAW | CS_VREDRAW;
    WNDPROC lpfnWndProc = nullptr;
    HCURSOR hCursor = nullptr;              // null: the arrow
    int hbrBackground = COLOR_WINDOW + 1;   // a system colour + 1, or 0 for no background
    std::string iconResource;               // embedded icon for top-level windows; empty: none
};

// Pixels in memory: 32-bit premultiplied ARGB in native-endian words (cairo's ARGB32 layout),
// `stride` bytes from one row to the next.
struct PixelBuffer {
    const void* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false;
    RECT rcPaint;   // the invalid area, in client coordinates
};

// The system cursors that the game uses.
enum class SystemCursor { Arrow, Wait };

// Data handed to WM_CREATE through lParam.
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};
