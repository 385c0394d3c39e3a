#pragma once
// The main window's client window: holds the three pages, of which exactly one is visible.

#include "app/PageGame.h"
#include "app/PageGameStart.h"
#include "app/PageStart.h"
#include "platform/WindowImpl.h"

class MainView : public WindowImpl {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    PageStart pageStart;
    PageGameStart pageGameStart;
    PageGame pageGame;

private:
    void CreatePages();
    void SizePages();
};
