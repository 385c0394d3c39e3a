// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlHostWindow.h"

LRESULT ControlHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        LRESULT result = 0;
        if (HandleOwnMessage(message, wParam, lParam, result))
            return result;
        if (message == WM_ACTIVATEAPP) {
            if (wParam == FALSE)
                OnDeactivate();
            return 0;
        }
        if (HandleWindowMessage(message, wParam, lParam, result))
            return result;
        return WindowImpl::WindowProc(message, wParam, lParam);
    } catch (...) {
        // Containment point: the window-message handler of a page. Whatever failed, the
        // message counts as handled.
        return 0;
    }
}

bool ControlHostWindow::HandleOwnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
