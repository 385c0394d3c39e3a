// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window classes and windows: creation, geometry, visibility, text and enabling.

#include <string>

#include "platform/WinTypes.h"

// Registers a class; false when a class of that name exists already or the name is empty.
bool RegisterClass(const WNDCLASS& windowClass);
bool GetClassInfo(const std::string& className, WNDCLASS& windowClass);

// Creates a window; sends WM_CREATE before it returns and WM_SIZE with its first size. Child
// windows (WS_CHILD) need a parent; a top-level window with a parent is owned by the parent's
// top-level window. Returns null when the class is unknown, a child has no parent, or
// WM_CREATE answered -1.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, void* createParams);
// Sends WM_DESTROY to the window and then to its descendants, then WM_NCDESTROY; the handle
// is invalid afterwards. Destroying a window also destroys the top-level windows it owns.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One pointer-sized value per window for its owner's use (the object behind the window).
inline constexpr int GWLP_USERDATA = -21;
intptr_t SetWindowLongPtr(HWND window, int index, intptr_t value);
intptr_t GetWindowLongPtr(HWND window, int index);

HWND GetParent(HWND window);         // the parent of a child, the owner of an owned top-level
HWND GetAncestorRoot(HWND window);   // the top-level window that holds the window
std::string GetClassName(HWND window);

// Visibility. IsWindowVisible is true when the window and all its ancestors are shown.
bool ShowWindow(HWND window, int command);   // returns whether it was visible before
bool IsWindowVisible(HWND window);
bool IsIconic(HWND window);   // minimised
bool IsZoomed(HWND window);   // maximised

// Input enabling: a disabled window gets no mouse input (a modal panel disables its owner).
bool EnableWindow(HWND window, bool enable);   // returns whether it was disabled before
bool IsWindowEnabled(HWND window);

bool SetWindowText(HWND window, const std::string& text);
std::string GetWindowText(HWND window);

// Geometry. Child rectangles are in the parent's client coordinates; top-level rectangles in
// screen coordinates. Windows here have no frame: the client area is the whole window.
bool GetClientRect(HWND window, RECT& rect);   // left and top are 0
bool GetWindowRect(HWND window, RECT& rect);   // in screen coordinates
bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
bool ClientToScreen(HWND window, POINT& point);
bool ScreenToClient(HWND window, POINT& point);

// The top-level window that has the keyboard and mouse focus of this application, or null.
HWND GetActiveWindow();
HWND SetActiveWindow(HWND window);
