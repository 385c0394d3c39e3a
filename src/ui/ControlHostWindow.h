// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every page: a window whose whole client area is one control tree, the window
// object being the tree's root. All of the window's messages pass one guard.

#include "platform/WindowImpl.h"
#include "ui/TopLevelContainerControl.h"

class ControlHostWindow : public WindowImpl, public TopLevelContainerControl {
public:
    explicit ControlHostWindow(::StyleId style) : TopLevelContainerControl(style) {}

    HWND GetWindowHandle() override { return Handle(); }

    // The page's own messages first (HandleOwnMessage), then the tree's routing, then the
    // window system's default. The loss of the application's activation (WM_ACTIVATEAPP with
    // FALSE, sent by the main window to the page that is shown) becomes OnDeactivate. An
    // exception thrown anywhere below ends that message only: the window and the game go on.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) final;

protected:
    // Messages a page handles before the tree sees them, such as its creation and its timers.
    // Returns true with the result set when it took the message.
    virtual bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
