// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FormMain.h"

#include "library/GameWindowClass.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"

FormMain* FormMain::Instance = nullptr;

namespace {

constexpr RECT kDefaultRect{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
// The text the frame is created with; WM_CREATE replaces it with the title at once.
constexpr const char* kInitialText = "Tessiva";

}   // namespace

FormMain::FormMain(Board& board) : view(board, *this) {}

FormMain::~FormMain() {
    if (Instance == this)
        Instance = nullptr;
}

bool FormMain::CreateFrame() {
    return Create(nullptr, kDefaultRect, kInitialText, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  WS_EX_APPWINDOW | WS_EX_WINDOWEDGE) != nullptr;
}

WNDCLASS FormMain::GetWindowClass() const {
    WNDCLASS windowClass;
    windowClass.className = kGameWindowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hbrBackground = COLOR_WINDOW + 1;
    windowClass.iconResource = "ICON_128";
    return windowClass;
}

void FormMain::ShowPageStart() {
    WaitCursor wait;
    ShowOnly(view.pageStart);
}

void FormMain::ShowPageGameStart() {
    WaitCursor wait;
    view.pageGameStart.Prepare();
    ShowOnly(view.pageGameStart);
}

void FormMain::ShowPageGame() {
    WaitCursor wait;
    view.pageGame.StartGame();
    ShowOnly(view.pageGame);
}

void FormMain::RequestClose() {
    if (Handle())
        PostMessage(Handle(), WM_CLOSE, 0, 0);
}

void FormMain::ShowOnly(ControlHostWindow& page) {
    ShowWindow(page, SW_SHOW);
    for (ControlHostWindow* other : view.Pages())
        if (other != &page)
            ShowWindow(*other, SW_HIDE);
}

LRESULT FormMain::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Containment point: the main window's message handler.
        return 0;
    }
}

LRESULT FormMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetWindowText(Handle(), kTitle);
        view.Create(Handle(), kDefaultRect, std::string(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
        return 0;
    case WM_SIZE:
        OnSize(wParam);
        return 0;
    case WM_ERASEBKGND:
        // The view covers the whole client area.
        return view.Handle() ? 1 : WindowImpl::WindowProc(message, wParam, lParam);
    case WM_ACTIVATEAPP:
        if (wParam == FALSE)
            OnDeactivateApp();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_APP_EXIT) {
            PostMessage(Handle(), WM_CLOSE, 0, 0);
            return 0;
        }
        return WindowImpl::WindowProc(message, wParam, lParam);
    case WM_DESTROY:
        PostQuitMessage(1);
        return 0;
    default:
        return WindowImpl::WindowProc(message, wParam, lParam);
    }
}

// A minimised frame keeps the view's size, so the pages keep their layout.
void FormMain::OnSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED || !view.Handle())
        return;
    RECT client;
    GetClientRect(Handle(), client);
    SetWindowPos(view, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The shown page hears of it through its own window, so its guard contains what the
// deactivation does (a drop may even finish the puzzle and open the completion panel).
void FormMain::OnDeactivateApp() {
    for (ControlHostWindow* page : view.Pages())
        if (page->Handle() && IsWindowVisible(*page))
            SendMessage(*page, WM_ACTIVATEAPP, FALSE, 0);
}
