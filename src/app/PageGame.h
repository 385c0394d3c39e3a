#pragma once
// The play page (a plain page until the board and its controls arrive).

#include "app/PageWindow.h"

class PageGame : public PageWindow {
public:
    // Starts a new game before the page is shown; nothing to start yet.
    void StartGame() {}
};
