// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ContainerControl.h"

#include "gfx/Graphics.h"
#include "ui/SharedDrawing.h"

ContainerControl::ContainerControl(::StyleId style, ContainerControl* parent) : Control(style, parent) {}

void ContainerControl::Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) {
    try {
        PaintBackground(g, x, y, w, h);
    } catch (...) {
        // Containment point of container painting: the children still paint over a failed
        // background.
    }
    PaintChildren(g, x, y, w, h);
}

void ContainerControl::Layout() {
    Control::Layout();
    LayoutChildren();
}

// The loops below index the list afresh on every step. Controls defer rebuilding their own
// children until the dispatch ends (TopLevelContainerControl::AfterDispatch); indexing keeps a
// handler that appends to a list from invalidating the walk all the same.

bool ContainerControl::OnMouseUp(int x, int y) {
    for (size_t i = 0; i < Children.size(); ++i)
        if (Children[i]->OnMouseUp(x, y))
            return true;
    return false;
}

bool ContainerControl::OnMouseDown(int x, int y) {
    for (size_t i = 0; i < Children.size(); ++i)
        if (Children[i]->OnMouseDown(x, y))
            return true;
    return false;
}

bool ContainerControl::OnMouseMove(int x, int y) {
    for (size_t i = 0; i < Children.size(); ++i)
        Children[i]->OnMouseMove(x, y);
    return false;
}

void ContainerControl::PaintBackground(Gdiplus::Graphics& g, int, int, int, int) {
    g.FillRectangle(&ContainerBackgroundBrush(), Bounds);
}

void ContainerControl::PaintChildren(Gdiplus::Graphics& g, int x, int y, int w, int h) {
    for (size_t i = 0; i < Children.size(); ++i) {
        Control* child = Children[i];
        const Gdiplus::Rect& b = child->Bounds;
        // Skip what lies outside the clip before doing any work.
        if (!(x < b.X + b.Width && y < b.Y + b.Height && b.X < x + w && b.Y < y + h))
            continue;
        try {
            child->Paint(g, x, y, w, h);
        } catch (...) {
            // Containment point of child painting: a failing child is skipped, its siblings
            // still paint.
        }
    }
}

void ContainerControl::OnNotify(NotifyCode code, Control* sender, Control* argument) {
    if (Parent)
        Parent->OnNotify(code, sender, argument);
}

void ContainerControl::LayoutChildren() {
    for (size_t i = 0; i < Children.size(); ++i)
        Children[i]->Layout();
}
