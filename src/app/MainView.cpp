// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainView.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr RECT kDefaultRect{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

}   // namespace

MainView::MainView(Board& board, PageNavigator& navigator)
    : pageStart(board, navigator), pageGameStart(board, navigator), pageGame(board, navigator) {}

LRESULT MainView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_CREATE:
            CreatePages();
            return 0;
        case WM_SIZE:
            SizePages();
            return 0;
        default:
            return WindowImpl::WindowProc(message, wParam, lParam);
        }
    } catch (...) {
        // Containment point: the view's message handler.
        return 0;
    }
}

void MainView::CreatePages() {
    try {
        pageStart.Create(Handle(), kDefaultRect, std::string(), kPageStyle);
        pageGameStart.Create(Handle(), kDefaultRect, std::string(), kPageStyle);
        pageGame.Create(Handle(), kDefaultRect, std::string(), kPageStyle);
        ShowWindow(pageStart, SW_SHOW);
        ShowWindow(pageGameStart, SW_HIDE);
        ShowWindow(pageGame, SW_HIDE);
    } catch (...) {
        // Containment point: creating the pages; the view exists all the same and pages that
        // were not made stay invisible.
    }
}

// Every page covers the view, the hidden ones too, so a switch shows a page of the right size.
void MainView::SizePages() {
    RECT client;
    GetClientRect(Handle(), client);
    for (ControlHostWindow* page : Pages())
        if (page->Handle())
            MoveWindow(*page, 0, 0, client.right, client.bottom, true);
}
