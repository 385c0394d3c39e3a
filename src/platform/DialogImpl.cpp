// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogImpl.h"

#include "platform/Messages.h"

namespace {

// Gives the owner its input back and removes the dialog's window on every way out of DoModal.
class ModalScope {
public:
    ModalScope(HWND owner, HWND dialog)
        : owner(owner), dialog(dialog), ownerWasEnabled(owner && ::IsWindowEnabled(owner)) {}
    ~ModalScope() {
        if (ownerWasEnabled && ::IsWindow(owner)) {
            ::EnableWindow(owner, true);
            ::SetActiveWindow(owner);
        }
        if (::IsWindow(dialog))
            ::DestroyWindow(dialog);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    void DisableOwner() {
        if (ownerWasEnabled)
            ::EnableWindow(owner, false);
    }

private:
    HWND owner;
    HWND dialog;
    bool ownerWasEnabled;
};

}   // namespace

INT_PTR DialogImpl::DoModal(HWND owner) {
    ending = false;
    endResult = -1;
    // The template's origin is the owner's client origin, as for a dialog without DS_CENTER.
    POINT origin{0, 0};
    if (owner)
        ::ClientToScreen(owner, origin);
    const RECT rect{origin.x, origin.y, origin.x + dialogTemplate.width, origin.y + dialogTemplate.height};
    const HWND dialog = Create(owner, rect, std::string(), dialogTemplate.style & ~WS_VISIBLE);
    if (!dialog)
        return -1;
    // The input that stops is that of the owner's whole top-level window, also when the
    // owner given is one of its child windows (a page).
    ModalScope scope(::GetParent(dialog), dialog);
    SendMessage(dialog, WM_INITDIALOG, 0, 0);
    if (!ending) {
        scope.DisableOwner();
        ::ShowWindow(dialog, SW_SHOW);
    }
    MSG msg;
    while (!ending && ::IsWindow(dialog)) {
        if (!GetMessage(msg)) {
            // The outer loop must see the quit too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return -1;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    return ending ? endResult : -1;
}

bool DialogImpl::EndDialog(INT_PTR result) {
    if (!Handle())
        return false;
    ending = true;
    endResult = result;
    return true;
}

WNDCLASS DialogImpl::GetWindowClass() const {
    WNDCLASS windowClass = WindowImpl::GetWindowClass();
    // The panel draws its whole area itself.
    windowClass.hbrBackground = 0;
    return windowClass;
}
