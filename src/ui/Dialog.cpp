// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialog.h"

#include "gfx/Graphics.h"
#include "ui/SharedDrawing.h"

Dialog::Dialog(::StyleId style) : TopLevelContainerControl(style) {}

INT_PTR Dialog::ShowModal(HWND owner) { return DoModal(owner); }

void Dialog::EndWith(INT_PTR result) { EndDialog(result); }

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CentreOverOwner();
        // No keyboard focus is set: the panel takes no keys.
        return FALSE;
    case WM_CLOSE:
        // The default would destroy the window and end the panel without an answer that its
        // caller understands; only the buttons end it. (Keys never reach a panel.)
        return 0;
    default:
        break;
    }
    LRESULT result = 0;
    if (HandleWindowMessage(message, wParam, lParam, result))
        return result;
    return DialogImpl::WindowProc(message, wParam, lParam);
}

void Dialog::CentreOverOwner() {
    try {
        const int width = Width.Value();
        const int height = Height.Value();
        const HWND owner = GetParent(Handle());
        RECT client;
        if (!owner || !GetClientRect(owner, client))
            return;
        POINT origin{client.left, client.top};
        ClientToScreen(owner, origin);
        const int ownerWidth = client.right - client.left;
        const int ownerHeight = client.bottom - client.top;
        MoveWindow(Handle(), origin.x + (ownerWidth - width) / 2, origin.y + (ownerHeight - height) / 2, width, height,
                   false);
    } catch (...) {
        // Containment point of panel initialisation: the panel keeps the template's size and
        // place.
    }
}

void Dialog::PaintBackground(Gdiplus::Graphics& g, int, int, int, int) {
    g.FillRectangle(&SharedSolidBrush(kPageBackground), Bounds);
    DrawCaption(g, *this, Caption);
    g.DrawRectangle(&SharedPen(kCaptionColor, 1.0f), Bounds.X, Bounds.Y, Bounds.Width - 1, Bounds.Height - 1);
}

void Dialog::PlacePair(CommandStrip& a, CommandStrip& b, int spacing, int bottom) {
    const int halfA = a.button.GetWidth() / 2;
    a.Place(-halfA - spacing, bottom);
    b.Place(halfA + spacing, bottom);
}
