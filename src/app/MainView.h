#pragma once
// The main window's client window: holds the three pages, of which exactly one is visible.

#include <array>

#include "app/PageGame.h"
#include "app/PageGameStart.h"
#include "app/PageStart.h"
#include "platform/WindowImpl.h"

class MainView : public WindowImpl {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The three pages in the order in which they are created, sized and told of a deactivation.
    std::array<PageWindow*, 3> Pages() { return {&pageStart, &pageGameStart, &pageGame}; }

    PageStart pageStart;
    PageGameStart pageGameStart;
    PageGame pageGame;

private:
    void CreatePages();
    void SizePages();
};
