#pragma once
// A theme image with a caption that reports a click: a press inside arms it, a later release
// inside clicks.

#include <string>

#include "ui/Control.h"

class Button : public Control {
public:
    Button(int32_t styleId, ContainerControl* parent);

    // The theme image's size, else 100 x 25 when the style has no image.
    int GetWidth() const override;
    int GetHeight() const override;

    std::string Text;
    bool Pressed = false;

protected:
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    bool OnMouseDown(int x, int y) override;
    // A release outside leaves the button armed; the next release inside still clicks.
    bool OnMouseUp(int x, int y) override;
};
