// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's client window: holds the three pages, of which exactly one is visible.

#include <array>

#include "pages/PageGame.h"
#include "pages/PageGameStart.h"
#include "pages/PageStart.h"
#include "platform/WindowImpl.h"

class MainView : public WindowImpl {
public:
    // The pages play on the board and switch through the navigator; the view builds them,
    // their windows come later.
    MainView(Board& board, PageNavigator& navigator);

    // Failures are contained here: the view stays whatever a message does.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The three pages in the order in which they are created, sized and told of a deactivation.
    std::array<ControlHostWindow*, 3> Pages() { return {&pageStart, &pageGameStart, &pageGame}; }

    PageStart pageStart;
    PageGameStart pageGameStart;
    PageGame pageGame;

private:
    void CreatePages();
    void SizePages();
};
