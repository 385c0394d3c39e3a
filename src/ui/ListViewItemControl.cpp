// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListViewItemControl.h"

#include "gfx/Graphics.h"
#include "gfx/Rectangles.h"
#include "ui/ListView.h"
#include "ui/SharedDrawing.h"
#include "ui/TopLevelContainerControl.h"

ListViewItemControl::ListViewItemControl(ListView* owner) : Control(StyleId::Plain, owner), Owner(owner) {
    Width = ListView::ItemWidth;
    Height = ListView::ItemHeight;
}

void ListViewItemControl::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    ListView::Item& item = *Owner->Items.at(static_cast<size_t>(ItemIndex));

    Gdiplus::Bitmap* picture = item.Thumbnail.get();
    if (!picture) {
        // The cell never shows more than its own size, so a JPEG may be decoded at 1/2, 1/4 or
        // 1/8 of its size as long as the result still covers the cell: a large photo then
        // costs a fraction of the work and looks the same once fitted.
        auto decoded = std::make_unique<Gdiplus::Bitmap>(item.ThumbnailPath,
                                                         Gdiplus::Size(ListView::ItemWidth, ListView::ItemHeight));
        if (decoded->GetLastStatus() == Gdiplus::Ok) {
            item.Thumbnail = std::move(decoded);
            picture = item.Thumbnail.get();
        } else {
            picture = PlaceholderBitmap();
        }
    }

    const Gdiplus::Rect fit = FitRect(static_cast<int>(picture->GetWidth()), static_cast<int>(picture->GetHeight()),
                                      Bounds.X, Bounds.Y, Bounds.Width, Bounds.Height);
    g.DrawImage(picture, fit);
    g.DrawRectangle(&SharedPen(kCaptionColor, 1.0f), Bounds);
}

bool ListViewItemControl::OnMouseUp(int x, int y) {
    if (!HitTest(x, y))
        return false;
    try {
        if (TopLevelContainerControl* top = GetTopLevel())
            top->OnNotify(NotifyItemActivated, Owner, this);
    } catch (...) {
        // Containment point of item activation: a failing handler leaves the list usable,
        // and the release still goes on to the following siblings.
    }
    return false;
}
