// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A modal panel photographed over the page it is shown on, and a control that shows the
// photograph: each window has its own pixels, so the picture of the two is put together here.

#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Paint.h"
#include "platform/WindowApi.h"
#include "ui/Control.h"

// A picture drawn unscaled at the control's corner.
class Picture : public Control {
public:
    explicit Picture(ContainerControl* parent) : Control(StyleId::Plain, parent) {}
    void Paint(Gdiplus::Graphics& g, int, int, int, int) override {
        if (image)
            g.DrawImage(image.get(), Bounds.X, Bounds.Y);
    }
    std::unique_ptr<Gdiplus::Bitmap> image;
};

// Each window has its own pixels, so the panel over its page is put together from both while
// the panel is up: the panel draws itself, is photographed over the page, and ends.
template <class Panel>
class PhotographedPanel : public Panel {
public:
    static constexpr UINT kPhotograph = WM_APP + 20;

    PhotographedPanel(HWND page, Gdiplus::Bitmap& photo) : page(page), photo(photo) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kPhotograph) {
            Photograph();
            this->EndWith(-1);
            return 0;
        }
        const LRESULT result = Panel::WindowProc(message, wParam, lParam);
        if (message == WM_INITDIALOG)
            PostMessage(this->Handle(), kPhotograph, 0, 0);
        return result;
    }

private:
    void Photograph() {
        this->RedrawAll();
        RECT pageRect, panelRect;
        GetWindowRect(page, pageRect);
        GetWindowRect(this->Handle(), panelRect);
        const int width = static_cast<int>(photo.GetWidth());
        const int height = static_cast<int>(photo.GetHeight());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int sx = pageRect.left + x, sy = pageRect.top + y;
                const bool onPanel =
                    sx >= panelRect.left && sx < panelRect.right && sy >= panelRect.top && sy < panelRect.bottom;
                const uint32_t argb = onPanel
                                          ? Headless::ReadPixel(this->Handle(), sx - panelRect.left, sy - panelRect.top)
                                          : Headless::ReadPixel(page, x, y);
                photo.SetPixel(x, y, Gdiplus::Color(argb));
            }
    }

    HWND page;
    Gdiplus::Bitmap& photo;
};

// Shows the panel over the page and leaves the photograph of the two on the page, in the
// picture control, which covers the page's whole client area.
template <class Panel, class Page>
void ShowPanelPhotographed(Page& page, Picture& picture) {
    RECT client;
    GetClientRect(page.Handle(), client);
    UpdateWindow(page.Handle());
    auto photo = std::make_unique<Gdiplus::Bitmap>(client.right, client.bottom);
    {
        PhotographedPanel<Panel> panel(page.Handle(), *photo);
        panel.ShowModal(page.Handle());
    }
    picture.image = std::move(photo);
    picture.Width = client.right;
    picture.Height = client.bottom;
    page.Children.push_back(&picture);
}
