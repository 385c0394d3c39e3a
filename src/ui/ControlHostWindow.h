#pragma once
// A window whose whole client area is one control tree: the window object is the tree's root.

#include "platform/WindowImpl.h"
#include "ui/TopLevelContainerControl.h"

class ControlHostWindow : public WindowImpl, public TopLevelContainerControl {
public:
    explicit ControlHostWindow(int32_t styleId) : TopLevelContainerControl(styleId) {}

    HWND GetWindowHandle() override { return Handle(); }

    // Messages the tree handles go to it; everything else gets the window system's default.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (HandleWindowMessage(message, wParam, lParam, result))
            return result;
        return WindowImpl::WindowProc(message, wParam, lParam);
    }
};
