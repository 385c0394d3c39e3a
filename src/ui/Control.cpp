// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Control.h"

#include "platform/Input.h"
#include "ui/ContainerControl.h"
#include "ui/TopLevelContainerControl.h"

Control::Control(::StyleId style, ContainerControl* parent) : StyleId(style), Parent(parent) {}

TopLevelContainerControl* Control::GetTopLevel() { return Parent ? Parent->GetTopLevel() : nullptr; }

void Control::Invalidate() {
    if (TopLevelContainerControl* top = GetTopLevel())
        top->RedrawRect(Bounds.X, Bounds.Y, Bounds.Width, Bounds.Height);
}

void Control::Layout() {
    if (Parent)
        Bounds = ComputeBounds(Parent->Bounds.X, Parent->Bounds.Y, Parent->Bounds.Width, Parent->Bounds.Height);
}

bool Control::OnDeactivate() { return false; }
bool Control::OnMouseUp(int, int) { return false; }
bool Control::OnMouseDown(int, int) { return false; }
bool Control::OnMouseMove(int, int) { return false; }

int Control::GetWidth() const { return Width.HasValue ? Width.Value() : 0; }
int Control::GetHeight() const { return Height.HasValue ? Height.Value() : 0; }

Gdiplus::Rect Control::ComputeBounds(int px, int py, int pw, int ph) const {
    const int w = GetWidth();
    const int h = GetHeight();
    Gdiplus::Rect r;

    // Halves truncate toward zero (C++ integer division); Left plus Right may give a zero or
    // negative width, which nothing clamps: such a control is never hit and draws nothing.
    if (HorizontalCenter.HasValue) {
        r.X = px + pw / 2 - w / 2 + HorizontalCenter.Value();
        r.Width = w;
    } else if (Left.HasValue && Right.HasValue) {
        r.X = px + Left.Value();
        r.Width = (px + pw - Right.Value()) - r.X;
    } else if (Left.HasValue) {
        r.X = px + Left.Value();
        r.Width = w;
    } else if (Right.HasValue) {
        r.X = (px + pw - Right.Value()) - w;
        r.Width = w;
    } else {
        r.X = px;
        r.Width = w;
    }

    if (Top.HasValue && Bottom.HasValue) {
        r.Y = py + Top.Value();
        r.Height = (py + ph - Bottom.Value()) - r.Y;
    } else if (Top.HasValue) {
        r.Y = py + Top.Value();
        r.Height = h;
    } else if (Bottom.HasValue) {
        r.Y = (py + ph - Bottom.Value()) - h;
        r.Height = h;
    } else {
        r.Y = py;
        r.Height = h;
    }
    return r;
}

bool Control::HitTest(int x, int y) const {
    return x >= Bounds.X && x < Bounds.X + Bounds.Width && y >= Bounds.Y && y < Bounds.Y + Bounds.Height;
}

void Control::CaptureMouse() {
    if (TopLevelContainerControl* top = GetTopLevel())
        SetCapture(top->GetWindowHandle());
}
