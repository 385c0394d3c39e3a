// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control with an ordered, non-owning list of children: paint, layout and mouse dispatch
// follow the list order, and notifications travel on to the parent.

#include <vector>

#include "ui/Control.h"
#include "ui/NotifyCode.h"

class ContainerControl : public Control {
public:
    ContainerControl(::StyleId style, ContainerControl* parent);

    // Background, then children; a failing background still lets the children paint.
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    void Layout() override;
    // The first child (in list order) that takes the press or release ends the dispatch.
    bool OnMouseUp(int x, int y) override;
    bool OnMouseDown(int x, int y) override;
    // Every child sees every move, so a control tracking a drag follows it anywhere.
    bool OnMouseMove(int x, int y) override;

    // The plain container fills its Bounds with dark blue; pages and panels replace it.
    virtual void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h);
    // Paints each child whose Bounds overlap the clip; a child that throws is skipped.
    virtual void PaintChildren(Gdiplus::Graphics& g, int x, int y, int w, int h);
    // A child reports a user action; the plain container passes it to its own parent.
    virtual void OnNotify(NotifyCode code, Control* sender, Control* argument);

    void LayoutChildren();

    // Insertion order is paint order (later on top) and dispatch order (earlier first). Not
    // owned: the page or panel that holds the controls owns them.
    std::vector<Control*> Children;
};
