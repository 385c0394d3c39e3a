// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page-like test window whose control tree records the notifications reaching it.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/WindowApi.h"
#include "ui/ControlHostWindow.h"

namespace UiTest {

struct Notification {
    NotifyCode code;
    Control* sender;
    Control* argument;
};

class HostWindow : public ControlHostWindow {
public:
    HostWindow() : ControlHostWindow(StyleId::GalleryPage) {}
    ~HostWindow() override { DestroyWindow(); }

    // Creates and shows the window at (left, top) of the screen; the tree must be built.
    void Open(int width, int height, int left = 0, int top = 0) {
        Create(nullptr, RECT{left, top, left + width, top + height}, "host", WS_POPUP);
        ShowWindow(Handle(), SW_SHOW);
    }

    void OnNotify(NotifyCode code, Control* sender, Control* argument) override {
        notifications.push_back({code, sender, argument});
        if (onNotify)
            onNotify();
    }

    LRESULT Send(UINT message, int x = 0, int y = 0) { return SendMessage(Handle(), message, 0, MAKELPARAM(x, y)); }
    uint32_t Pixel(int x, int y) { return Headless::ReadPixel(Handle(), x, y); }

    std::vector<Notification> notifications;
    std::function<void()> onNotify;
};

}   // namespace UiTest
