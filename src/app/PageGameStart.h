#pragma once
// The set-up page (a plain page until the set-up controls arrive).

#include "app/PageWindow.h"

class PageGameStart : public PageWindow {
public:
    // Readies the page before it is shown; nothing to ready yet.
    void Prepare() {}
};
