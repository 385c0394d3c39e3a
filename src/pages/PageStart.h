#pragma once
// The gallery page (a plain page until the gallery's controls arrive).

#include "pages/PageNavigator.h"
#include "ui/ControlHostWindow.h"

class PageStart : public ControlHostWindow {
public:
    static constexpr int32_t kStyleId = 18;

    explicit PageStart(PageNavigator& navigator);

    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;

private:
    PageNavigator& navigator;
};
