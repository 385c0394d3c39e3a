// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-alone window with a page's background on which a scene places its controls.

#include "gfx/Graphics.h"
#include "ui/ControlHostWindow.h"
#include "ui/SharedDrawing.h"

class ScenePage : public ControlHostWindow {
public:
    explicit ScenePage(::StyleId style) : ControlHostWindow(style) {}
    ~ScenePage() override { DestroyWindow(); }

    // Creates the window at the screen's corner and shows it; the tree must be built.
    HWND Open(int width, int height) {
        Create(nullptr, RECT{0, 0, width, height}, "snapshot", WS_POPUP);
        if (Handle())
            ShowWindow(Handle(), SW_SHOW);
        return Handle();
    }

    // Pages fill the rectangle being painted with their colour.
    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override {
        g.FillRectangle(&SharedSolidBrush(BackgroundColor(StyleId)), x, y, w, h);
    }
};
