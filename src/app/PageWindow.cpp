#include "app/PageWindow.h"

#include "platform/Paint.h"

bool PageWindow::OnDeactivate() {
    ++deactivateCalls;
    return false;
}

LRESULT PageWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Containment point: the window-message handler of a page.
        return 0;
    }
}

LRESULT PageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;   // the paint covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(Handle(), paint);
        RECT client;
        GetClientRect(Handle(), client);
        FillRect(dc, client, kPageColour);
        EndPaint(Handle(), paint);
        return 0;
    }
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}
