// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "gfx/Graphics.h"
#include "platform/WaitCursor.h"
#include "ui/ListViewItemControl.h"
#include "ui/SharedDrawing.h"
#include "ui/TopLevelContainerControl.h"

namespace {
constexpr int32_t kPageControlsBottom = 5;
constexpr int32_t kPageControlsSpacing = 10;
// Room reserved in Children beyond the cells, for the page controls.
constexpr int32_t kExtraChildren = 5;
}   // namespace

ListView::ListView(ContainerControl* parent)
    : ContainerControl(StyleId::ListView, parent),
      PageLabel(StyleId::PageLabel, this),
      PreviousButton(StyleId::PreviousPageButton, this),
      NextButton(StyleId::NextPageButton, this) {
    const int labelWidth = PageLabel.GetWidth();
    PageLabel.Bottom = kPageControlsBottom;
    PageLabel.HorizontalCenter = 0;
    PreviousButton.Bottom = kPageControlsBottom;
    PreviousButton.HorizontalCenter = -(PreviousButton.GetWidth() / 2) - kPageControlsSpacing - labelWidth / 2;
    NextButton.Bottom = kPageControlsBottom;
    NextButton.HorizontalCenter = NextButton.GetWidth() / 2 + labelWidth / 2 + kPageControlsSpacing;
}

ListView::~ListView() = default;

void ListView::AddItem(const std::string& path, int32_t data) {
    auto item = std::make_unique<Item>();
    item->Data = data;
    item->ImagePath = path;
    item->ThumbnailPath = path;
    Items.push_back(std::move(item));
}

void ListView::ClearItems() {
    FirstIndex = 0;
    Items.clear();
}

ListView::Grid ListView::ComputeGrid(int32_t availableWidth, int32_t availableHeight) const {
    Grid grid;
    grid.Columns = std::max(0, (availableWidth + HorizontalGap) / (ItemWidth + HorizontalGap));
    grid.Rows = std::max(0, (availableHeight + VerticalGap) / (ItemHeight + VerticalGap));
    grid.PerPage = grid.Columns * grid.Rows;
    grid.Pages = PageCount(grid.PerPage);
    return grid;
}

// The page count is a single-precision quotient rounded up, as the page caption has always
// counted it.
int32_t ListView::PageCount(int32_t perPage) const {
    if (perPage <= 0)
        return 0;
    const float pages = static_cast<float>(Items.size()) / static_cast<float>(perPage);
    return static_cast<int32_t>(std::ceil(pages));
}

void ListView::Layout() {
    try {
        Control::Layout();
        const int32_t availableWidth = Bounds.Width - MarginLeft - MarginRight;
        Grid grid = ComputeGrid(availableWidth, Bounds.Height - MarginTop - MarginBottom);
        if (grid.Pages >= 2)
            grid = ComputeGrid(availableWidth, Bounds.Height - MarginTop - PagedBottomMargin);
        PageColumns = grid.Columns;
        PageRows = grid.Rows;
        RebuildPage();
        LayoutChildren();
    } catch (...) {
        // Containment point of list layout: the list keeps whatever state it reached.
    }
}

void ListView::RebuildPage() {
    const int32_t perPage = PageRows * PageColumns;
    if (perPage > 0)
        FirstIndex = perPage * (FirstIndex / perPage);

    Children.clear();
    VisibleItems.clear();
    Children.reserve(static_cast<size_t>(std::max(0, perPage) + kExtraChildren));
    VisibleItems.reserve(static_cast<size_t>(std::max(0, perPage)));
    EnsurePool(perPage);

    const int32_t count = static_cast<int32_t>(Items.size());
    const int32_t last = std::min(FirstIndex + perPage - 1, count - 1);
    for (int32_t k = 0; k <= last - FirstIndex; ++k) {
        ListViewItemControl* cell = ItemPool[static_cast<size_t>(k)].get();
        cell->ItemIndex = FirstIndex + k;
        cell->Left = (k % PageColumns) * (ItemWidth + HorizontalGap) + MarginLeft;
        cell->Top = (k / PageColumns) * (ItemHeight + VerticalGap) + MarginTop;
        VisibleItems.push_back(cell);
        Children.push_back(cell);
    }

    if (perPage > 0 && perPage < count) {
        char caption[64];
        std::snprintf(caption, sizeof caption, "Page %i of %i", FirstIndex / perPage + 1, PageCount(perPage));
        PageLabel.Text = caption;
        Children.push_back(&PageLabel);
        Children.push_back(&PreviousButton);
        Children.push_back(&NextButton);
    }
}

void ListView::EnsurePool(int32_t count) {
    while (static_cast<int32_t>(ItemPool.size()) < count)
        ItemPool.push_back(std::make_unique<ListViewItemControl>(this));
}

void ListView::NextPage() { SwitchPage(1); }

void ListView::PreviousPage() { SwitchPage(-1); }

void ListView::SwitchPage(int32_t direction) {
    // Decoding the new page's thumbnails may take a moment; the cursor comes back on every path.
    WaitCursor wait;
    const int32_t perPage = PageRows * PageColumns;
    const int32_t count = static_cast<int32_t>(Items.size());
    FirstIndex = std::clamp(FirstIndex + direction * perPage, 0, std::max(0, count - 1));
    RebuildPage();
    LayoutChildren();
    Invalidate();
}

void ListView::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code != NotifyClick || (sender != &PreviousButton && sender != &NextButton))
        return;
    const int32_t direction = sender == &NextButton ? 1 : -1;
    // The release that clicked is still walking this list's children: turn the page after it.
    const auto turn = [this, direction] { SwitchPage(direction); };
    if (TopLevelContainerControl* top = GetTopLevel())
        top->AfterDispatch(turn);
    else
        turn();
}

void ListView::PaintBackground(Gdiplus::Graphics& g, int, int, int, int) {
    g.FillRectangle(&SharedSolidBrush(BackgroundColor(StyleId)), Bounds);
    g.DrawRectangle(&SharedPen(kCaptionColor, 1.0f), Bounds);
}
