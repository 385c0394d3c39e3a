// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageStart.h"

#include <algorithm>
#include <utility>

#include "foundation/Util.h"
#include "gfx/Graphics.h"
#include "library/Category.h"
#include "library/MakerSite.h"
#include "library/Puzzle.h"
#include "platform/WaitCursor.h"
#include "platform/WindowApi.h"
#include "play/Board.h"
#include "play/PlayPicture.h"
#include "ui/ListViewItemControl.h"
#include "ui/SharedDrawing.h"

namespace {

constexpr int kCommandBottom = 5;
// The outer commands stand this much farther from the centre line than the middle one's width.
constexpr int kCommandSpacing = 80;
// The grid fills the page right of the category column and above the command row.
constexpr int kGridLeft = 129;
constexpr int kGridTop = 10;
constexpr int kGridRight = 10;
constexpr int kGridAboveCommands = 15;
// The category column: no scrolling, so buttons below the page's lower edge are out of reach.
constexpr int kCategoryLeft = 5;
constexpr int kCategoryTop = 20;
constexpr int kCategoryGap = 10;

}   // namespace

PageStart::PageStart(Board& board, PageNavigator& navigator)
    : ControlHostWindow(kStyleId),
      Grid(this),
      ExitStrip(StyleId::ExitGameButton, "Exit Game", this),
      OtherStrip(StyleId::OtherProductsButton, "Other Products", this),
      MoreStrip(StyleId::MorePuzzlesButton, "More Puzzles", this),
      board(board),
      navigator(navigator) {
    Grid.Left = kGridLeft;
    Grid.Top = kGridTop;
    Grid.Right = kGridRight;
    Grid.Bottom = ExitStrip.button.GetHeight() + kGridAboveCommands;

    const int outer = OtherStrip.button.GetWidth() + kCommandSpacing;
    ExitStrip.Place(outer, kCommandBottom);
    OtherStrip.Place(0, kCommandBottom);
    MoreStrip.Place(-outer, kCommandBottom);

    Children = {&Grid,
                &ExitStrip.leftPiece,
                &ExitStrip.rightPiece,
                &ExitStrip.button,
                &OtherStrip.leftPiece,
                &OtherStrip.rightPiece,
                &OtherStrip.button,
                &MoreStrip.leftPiece,
                &MoreStrip.rightPiece,
                &MoreStrip.button};
    BuildCategoryButtons();
    if (!CategoryButtons.empty())
        SelectCategory(*CategoryButtons.front());
}

// The members go in reverse order: the category buttons first, the grid last.
PageStart::~PageStart() = default;

void PageStart::BuildCategoryButtons() {
    int top = kCategoryTop;
    for (const std::unique_ptr<Category>& category : CategoryList()) {
        if (category->puzzles.empty())
            continue;
        auto button = std::make_unique<MultiStateButton>(StyleId::CategoryButton, this);
        button->Tag = category.get();
        button->CheckedText = category->name;
        button->UncheckedText = category->name;
        button->State = MultiStateButton::kUnchecked;
        button->Left = kCategoryLeft;
        button->Top = top;
        top += button->GetHeight() + kCategoryGap;
        Children.push_back(button.get());
        CategoryButtons.push_back(std::move(button));
    }
}

void PageStart::SelectCategory(MultiStateButton& button) {
    if (button.State == MultiStateButton::kChecked)
        return;
    for (const std::unique_ptr<MultiStateButton>& other : CategoryButtons)
        other->State = other.get() == &button ? MultiStateButton::kChecked : MultiStateButton::kUnchecked;
    Grid.ClearItems();
    for (const Puzzle* puzzle : static_cast<const Category*>(button.Tag)->puzzles) {
        try {
            Grid.AddItem(puzzle->picturePath, puzzle->id);
        } catch (...) {
            // Containment point: filling the grid; that one puzzle is left out.
        }
    }
    Grid.Layout();
}

void PageStart::PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) {
    g.FillRectangle(&SharedSolidBrush(kPageBackground), x, y, w, h);
}

void PageStart::OnNotify(NotifyCode code, Control* sender, Control* argument) {
    if (code == NotifyItemActivated && sender == &Grid) {
        ChoosePuzzle(argument);
        return;
    }
    if (code != NotifyClick)
        return;
    if (IsCategoryButton(sender)) {
        auto& button = static_cast<MultiStateButton&>(*sender);
        if (button.State == MultiStateButton::kChecked)
            return;
        // The new category's first page of thumbnails is decoded by this one redraw.
        WaitCursor wait;
        SelectCategory(button);
        RedrawAll();
    } else if (sender == &OtherStrip.button) {
        Util::OpenUrl(MakerSite::UrlOtherProducts());
    } else if (sender == &MoreStrip.button) {
        Util::OpenUrl(MakerSite::UrlMorePuzzles());
    } else if (sender == &ExitStrip.button) {
        navigator.RequestClose();
    }
}

bool PageStart::IsCategoryButton(const Control* control) const {
    return std::any_of(CategoryButtons.begin(), CategoryButtons.end(),
                       [control](const auto& button) { return button.get() == control; });
}

void PageStart::ChoosePuzzle(const Control* cell) {
    const auto* item = dynamic_cast<const ListViewItemControl*>(cell);
    if (!item)
        return;
    const ListView::Item& record = *Grid.Items.at(static_cast<size_t>(item->ItemIndex));
    RECT client;
    GetClientRect(Handle(), client);
    std::unique_ptr<Gdiplus::Bitmap> picture =
        MakePlayPicture(record.ImagePath, client.right - client.left, client.bottom - client.top);
    // A picture that became unreadable after start-up, or a window without a client area, gives
    // no play picture: the player stays in the gallery, which is as it was.
    if (!picture)
        return;
    board.puzzleId = record.Data;
    board.picture.Reset(std::move(picture));
    board.edgesOnly = false;
    navigator.ShowPageGameStart();
}
