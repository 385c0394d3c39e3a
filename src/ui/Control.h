// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every drawn control: style, anchors, absolute bounds and the paint and mouse slots.

#include "foundation/Nullable.h"
#include "gfx/GdiplusTypes.h"
#include "ui/StyleId.h"

namespace Gdiplus {
class Graphics;
}
class ContainerControl;
class TopLevelContainerControl;

class Control {
public:
    // The control does not add itself to the parent's Children; its owner appends it.
    // Inside a control the member StyleId hides the type, so controls name the type ::StyleId.
    Control(::StyleId style, ContainerControl* parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The root of the tree; asks the parent, so a detached control has none.
    virtual TopLevelContainerControl* GetTopLevel();
    // Draws the control; x, y, w, h is the clip rectangle in client coordinates.
    virtual void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) = 0;
    // Redraws Bounds at once through the top level.
    virtual void Invalidate();
    // Bounds from the anchors over the parent's Bounds.
    virtual void Layout();
    // The application lost activation; true when the control acted on it.
    virtual bool OnDeactivate();
    // Mouse handlers return true when they took the event; dispatch stops there.
    virtual bool OnMouseUp(int x, int y);
    virtual bool OnMouseDown(int x, int y);
    virtual bool OnMouseMove(int x, int y);
    // Natural size; a set Width or Height anchor always wins.
    virtual int GetWidth() const;
    virtual int GetHeight() const;

    // The anchor rule: this control's rectangle inside the parent rectangle px, py, pw, ph.
    Gdiplus::Rect ComputeBounds(int px, int py, int pw, int ph) const;
    // Inside Bounds: left and top inclusive, right and bottom exclusive.
    bool HitTest(int x, int y) const;
    // Takes window mouse capture for the host window, so a drag survives leaving it.
    void CaptureMouse();

    const ::StyleId StyleId;
    void* Tag = nullptr;              // owner's data, not owned
    ContainerControl* const Parent;   // not owned; null only for a top level
    Gdiplus::Rect Bounds;             // client coordinates of the host window
    Nullable<int> Width;
    Nullable<int> Height;
    Nullable<int> HorizontalCenter;   // wins over Left and Right
    Nullable<int> Left;
    Nullable<int> Top;
    Nullable<int> Right;
    Nullable<int> Bottom;
};
