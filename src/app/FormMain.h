// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's main window: a top-level frame of the game's window class whose client window is
// the view with the three pages; switches between the pages.

#include "app/MainView.h"
#include "pages/PageNavigator.h"
#include "platform/WindowImpl.h"

class Board;

class FormMain : public WindowImpl, public PageNavigator {
public:
    static constexpr const char* kTitle = "Tessiva Orlune";

    // The pages play on the board.
    explicit FormMain(Board& board);
    ~FormMain() override;

    // The one main window object; null before start-up made it.
    static FormMain* Instance;

    // Creates the frame window (hidden, default position and size); false on failure.
    bool CreateFrame();

    // Navigation, called by the pages: each shows one page and hides the other two, under the
    // wait cursor. The new page is shown before the others are hidden, so the view never shows
    // between them. Exceptions of Prepare and StartGame go on to the caller.
    void ShowPageStart() override;
    void ShowPageGameStart() override;
    void ShowPageGame() override;
    // Asks the frame to close (queued); the game then ends.
    void RequestClose() override;

    // Failures are contained here: the frame stays whatever a message does.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    MainView view;

protected:
    WNDCLASS GetWindowClass() const override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowOnly(ControlHostWindow& page);
    void OnSize(WPARAM kind);
    void OnDeactivateApp();
};
