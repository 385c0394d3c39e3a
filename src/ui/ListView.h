// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A paged grid of picture thumbnails: as many fixed-size cells as fit, one page at a time, with
// a "Page %i of %i" caption and previous and next buttons when the pictures need more pages.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "ui/Button.h"
#include "ui/ContainerControl.h"
#include "ui/Label.h"

class ListViewItemControl;

class ListView : public ContainerControl {
public:
    // One picture of the list. The cell that shows it decodes the thumbnail at its first paint.
    struct Item {
        int32_t Data = 0;   // the owner's value (a puzzle id)
        std::string ImagePath;
        std::string ThumbnailPath;                    // the file the cell draws
        std::unique_ptr<Gdiplus::Bitmap> Thumbnail;   // null until first painted
    };

    // The columns, rows, cells per page and pages that a given area holds.
    struct Grid {
        int32_t Columns = 0;
        int32_t Rows = 0;
        int32_t PerPage = 0;
        int32_t Pages = 0;
    };

    static constexpr int32_t ItemWidth = 150;
    static constexpr int32_t ItemHeight = 110;
    static constexpr int32_t HorizontalGap = 14;
    static constexpr int32_t VerticalGap = 15;
    static constexpr int32_t MarginLeft = 15;
    static constexpr int32_t MarginRight = 15;
    static constexpr int32_t MarginTop = 15;
    static constexpr int32_t MarginBottom = 15;
    static constexpr int32_t PagedBottomMargin = 30;   // leaves room for the page controls

    // Places the page controls from their natural widths, so the theme must be installed.
    explicit ListView(ContainerControl* parent);
    ~ListView() override;

    // Appends a picture; nothing is laid out or redrawn until the owner calls Layout.
    void AddItem(const std::string& path, int32_t data);
    // Removes every picture with its thumbnail and goes back to the first page.
    void ClearItems();

    // Recomputes the grid for the current Bounds and rebuilds the page that holds the current
    // first item. A failure leaves the list as far as it got.
    void Layout() override;
    // Shows the next or previous page under the wait cursor; at either end the same page is
    // rebuilt and redrawn.
    void NextPage();
    void PreviousPage();

    Grid ComputeGrid(int32_t availableWidth, int32_t availableHeight) const;

    // Handles the clicks of its own page buttons; every other notification stops here.
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;
    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;

    std::vector<std::unique_ptr<Item>> Items;
    std::vector<ListViewItemControl*> VisibleItems;               // the cells of this page
    std::vector<std::unique_ptr<ListViewItemControl>> ItemPool;   // grows, never shrinks
    int32_t PageColumns = 0;
    int32_t PageRows = 0;
    int32_t FirstIndex = 0;

    Label PageLabel;
    Button PreviousButton;
    Button NextButton;

private:
    void RebuildPage();
    void EnsurePool(int32_t count);
    int32_t PageCount(int32_t perPage) const;
    void SwitchPage(int32_t delta);
};
