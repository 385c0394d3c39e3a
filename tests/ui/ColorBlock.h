// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test control that fills its Bounds with one colour and records what reached it.

#include <stdexcept>
#include <vector>

#include "gfx/Graphics.h"
#include "gfx/SolidBrush.h"
#include "platform/WinTypes.h"
#include "ui/Control.h"

namespace UiTest {

class ColorBlock : public Control {
public:
    ColorBlock(ContainerControl* parent, Gdiplus::ARGB color) : Control(StyleId::Plain, parent), color(color) {}

    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override {
        ++paints;
        lastClip = Gdiplus::Rect(x, y, w, h);
        if (throwOnPaint)
            throw std::runtime_error("paint failed");
        Gdiplus::SolidBrush brush{Gdiplus::Color(color)};
        g.FillRectangle(&brush, Bounds);
    }
    bool OnMouseMove(int x, int y) override {
        moves.push_back({x, y});
        return takeMoves;
    }
    bool OnMouseDown(int x, int y) override {
        ++downs;
        return HitTest(x, y);
    }

    Gdiplus::ARGB color;
    bool throwOnPaint = false;
    bool takeMoves = false;
    int paints = 0;
    int downs = 0;
    Gdiplus::Rect lastClip;
    std::vector<POINT> moves;
};

}   // namespace UiTest
