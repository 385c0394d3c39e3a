// SPDX-License-Identifier: GPL-3.0-or-later
// A window on the SDL backend that prints the mouse messages it gets, for the end-to-end test
// of input and capture under a real X server. The window lies at (100, 100), 300 x 200; a left
// press takes the capture, the release prints itself and releases the capture. Then a modal
// panel over the window ends itself from a 200 ms timer, and the probe ends.

#include <cstdio>

#include "platform/DialogImpl.h"
#include "platform/Input.h"
#include "platform/MessageLoop.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WindowImpl.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

class TimedPanel : public DialogImpl {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITDIALOG)
            SetTimer(Handle(), kTimerId, 200);
        if (message == WM_TIMER && wParam == kTimerId)
            EndDialog(5);
        return DialogImpl::WindowProc(message, wParam, lParam);
    }
};

class ProbeWindow : public WindowImpl {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        switch (message) {
        case WM_LBUTTONDOWN:
            std::printf("down %d %d\n", x, y);
            SetCapture(Handle());
            break;
        case WM_MOUSEMOVE:
            if (GetCapture() == Handle())
                std::printf("move %d %d\n", x, y);
            break;
        case WM_LBUTTONUP:
            std::printf("up %d %d\n", x, y);
            ReleaseCapture();
            std::fflush(stdout);
            {
                TimedPanel panel;
                std::printf("panel %d\n", static_cast<int>(panel.DoModal(Handle())));
            }
            PostQuitMessage(0);
            break;
        default:
            return WindowImpl::WindowProc(message, wParam, lParam);
        }
        std::fflush(stdout);
        return 0;
    }
};

}   // namespace

int main() {
    PlatformSession platform("Tessiva_InputProbe");
    if (!platform.Started())
        return 2;
    ProbeWindow window;
    if (!window.Create(nullptr, RECT{100, 100, 400, 300}, "input probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE))
        return 3;
    std::printf("ready\n");
    std::fflush(stdout);
    MessageLoop loop;
    return loop.Run();
}
