// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thumb dragged along a track; reports each whole-step change of its value to its parent.

#include "ui/Control.h"

namespace Gdiplus {
class Bitmap;
}

class Slider : public Control {
public:
    Slider(::StyleId style, ContainerControl* parent);

    // The thumb's rectangle for CurrentValue: its left edge moves over Bounds.width - thumb
    // width as the value goes from Minimum to Maximum; vertically centred.
    Gdiplus::Rect ThumbRect() const;

    // Track width (100 without a track); the taller of track and thumb (30 when neither has
    // height).
    int GetWidth() const override;
    int GetHeight() const override;

    Gdiplus::Bitmap* TrackImage = nullptr;   // shared UI images, not owned
    Gdiplus::Bitmap* ThumbImage = nullptr;
    int32_t Minimum = 0;
    int32_t Maximum = 0;
    int32_t CurrentValue = 0;

protected:
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    // On the thumb: grab it where pressed. On the track: grab its centre and jump there.
    bool OnMouseDown(int x, int y) override;
    bool OnMouseMove(int x, int y) override;
    // Ends a drag wherever the pointer is.
    bool OnMouseUp(int x, int y) override;

private:
    int ThumbWidth() const;
    int ThumbHeight() const;

    bool Dragging = false;
    int32_t GrabOffset = 0;   // pointer x minus thumb left while dragging
};
