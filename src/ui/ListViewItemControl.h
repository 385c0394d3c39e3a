// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One cell of a list view: the thumbnail of one picture, fitted and framed; a release over it
// activates the picture.

#include <cstdint>

#include "ui/Control.h"

class ListView;

class ListViewItemControl : public Control {
public:
    // Sized to the list view's cell; the list view places it on every page rebuild.
    explicit ListViewItemControl(ListView* owner);

    ListView* const Owner;    // also the Parent
    int32_t ItemIndex = -1;   // index into the owner's Items

protected:
    // Decodes the picture on first paint (at a reduced scale where the file allows it) and
    // keeps it with the item; an unreadable picture leaves an empty framed cell and is tried
    // again at the next paint. Raises std::out_of_range for an index outside Items.
    void Paint(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    // Any release inside activates, wherever the press was; the release still goes on to the
    // following siblings.
    bool OnMouseUp(int x, int y) override;
};
