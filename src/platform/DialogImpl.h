// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of a modal dialog: a pop-up window over an owner that gets no input until it ends.

#include "platform/WindowImpl.h"

// The empty panel template: a pop-up with a system menu, no caption, border or controls,
// 214 x 126 dialog units of "MS Shell Dlg" 8 pt, which is 321 x 205 pixels at 96 dpi.
struct DialogTemplate {
    int width = 321;
    int height = 205;
    DWORD style = WS_POPUP | WS_SYSMENU;
};

class DialogImpl : public WindowImpl {
public:
    explicit DialogImpl(const DialogTemplate& dialogTemplate = {}) : dialogTemplate(dialogTemplate) {}

    // Creates the window owned by `owner` (WM_CREATE, then WM_INITDIALOG, where the dialog may
    // move itself), disables the owner's top-level window, shows the dialog and runs a modal
    // loop until EndDialog. Then enables that window again, destroys the dialog's window and
    // returns the value given to EndDialog; -1 when the window cannot be created. A WM_QUIT
    // during the loop ends the dialog with -1 and is posted again for the outer loop.
    INT_PTR DoModal(HWND owner);
    // Ends the modal loop with a result; the window is destroyed when DoModal returns.
    bool EndDialog(INT_PTR result);

protected:
    WNDCLASS GetWindowClass() const override;

private:
    DialogTemplate dialogTemplate;
    bool ending = false;
    INT_PTR endResult = -1;
};
