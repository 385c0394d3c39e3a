// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The root of one window's control tree: turns the window's messages into tree calls and paints
// the tree through the shared off-screen buffer.

#include <functional>
#include <vector>

#include "platform/WinTypes.h"
#include "ui/ContainerControl.h"

class TopLevelContainerControl : public ContainerControl {
public:
    explicit TopLevelContainerControl(::StyleId style);

    TopLevelContainerControl* GetTopLevel() override;
    // Bounds become the host window's client rectangle, then the children follow.
    void Layout() override;
    // Notifications end here unless the page or panel replaces this.
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

    // The host window that this tree draws into.
    virtual HWND GetWindowHandle() = 0;

    // The one dispatch point for the host's messages: left button down and up, mouse move,
    // paint, erase background and size. Returns false for any other message; for these it
    // returns true with the result set, also when a control failed.
    bool HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Redraws one rectangle of the host window at once (no paint message is waited for).
    void RedrawRect(int x, int y, int w, int h);
    void RedrawAll();
    // Paints the tree clipped to the rectangle (its part inside the client area) into the
    // shared buffer and copies that part to the device context. A failing paint shows nothing
    // new.
    void PaintToDevice(HDC dc, int x, int y, int w, int h);

    // Runs the action once the mouse dispatch in progress has ended, or at once when none is
    // running: a control that rebuilds its own children (a list view turning its page) must not
    // change a list that the dispatch is still walking.
    void AfterDispatch(std::function<void()> action);

private:
    void DispatchMouse(UINT message, LPARAM lParam);
    void PaintWindow();
    Gdiplus::Rect ClientRect();

    int dispatchDepth = 0;
    std::vector<std::function<void()>> deferred;
};
