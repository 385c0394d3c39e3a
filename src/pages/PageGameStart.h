#pragma once
// The set-up page (a plain page until the set-up controls arrive).

#include "pages/PageNavigator.h"
#include "ui/ControlHostWindow.h"

class PageGameStart : public ControlHostWindow {
public:
    static constexpr int32_t kStyleId = 19;

    explicit PageGameStart(PageNavigator& navigator);

    // Readies the page before it is shown; nothing to ready yet.
    void Prepare() {}

    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;

private:
    PageNavigator& navigator;
};
