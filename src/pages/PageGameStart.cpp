// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageGameStart.h"

#include <algorithm>

#include "gfx/Rectangles.h"
#include "gfx/Graphics.h"
#include "platform/WindowApi.h"
#include "play/Board.h"
#include "ui/SharedDrawing.h"
#include "ui/UiImages.h"

namespace {

// The buttons stand this far above the bottom, each this far beside the centre line.
constexpr int kButtonBottom = 5;
constexpr int kButtonSpacing = 40;
// The slider line's bottom edges, above the buttons' top edge.
constexpr int kSliderAboveButtons = 15;
constexpr int kCaptionAboveButtons = 12;
constexpr int kCountAboveCaption = 5;
constexpr int kSliderCentre = 40;
constexpr int kCaptionCentre = -100;
constexpr int kTextWidth = 100;
constexpr int kTextHeight = 30;
// The picture's box: this far in from the sides and the top, this much less high.
constexpr int kPictureMargin = 10;
constexpr int kPictureHeightLoss = 90;

}   // namespace

PageGameStart::PageGameStart(Board& board, PageNavigator& navigator)
    : ControlHostWindow(kStyleId),
      StartStrip(StyleId::StartButton, "Start", this),
      GalleryStrip(StyleId::SetUpGalleryButton, "Gallery", this),
      DifficultySlider(StyleId::DifficultySlider, this),
      DifficultyCaption(StyleId::DifficultyCaption, this),
      PieceCountLabel(StyleId::PieceCountLabel, this),
      board(board),
      navigator(navigator) {
    // Both buttons are placed from Start's width, symmetric when the two images agree.
    const int startWidth = StartStrip.button.GetWidth();
    const int startHeight = StartStrip.button.GetHeight();
    StartStrip.Place(startWidth / 2 + kButtonSpacing, kButtonBottom);
    GalleryStrip.Place(-(startWidth / 2 + kButtonSpacing), kButtonBottom);

    UiImages& images = UiImages::Instance();
    DifficultySlider.TrackImage = images.TrackImage();
    DifficultySlider.ThumbImage = images.ThumbImage();
    DifficultySlider.Minimum = kMinimumPieces;
    DifficultySlider.Maximum = kMaximumPieces;
    DifficultySlider.CurrentValue = kInitialPieces;
    DifficultySlider.Bottom = startHeight + kSliderAboveButtons;
    DifficultySlider.HorizontalCenter = kSliderCentre;

    DifficultyCaption.Text = "Difficulty:";
    DifficultyCaption.Width = kTextWidth;
    DifficultyCaption.Height = kTextHeight;
    DifficultyCaption.Bottom = startHeight + kCaptionAboveButtons;
    DifficultyCaption.HorizontalCenter = kCaptionCentre;

    // Centred above the slider line.
    PieceCountLabel.Width = kTextWidth;
    PieceCountLabel.Height = kTextHeight;
    PieceCountLabel.Bottom = DifficultyCaption.GetHeight() + startHeight + kCountAboveCaption;
    PieceCountLabel.HorizontalCenter = 0;

    Children = {&StartStrip.button,     &GalleryStrip.button,    &StartStrip.leftPiece,
                &StartStrip.rightPiece, &GalleryStrip.leftPiece, &GalleryStrip.rightPiece,
                &DifficultySlider,      &DifficultyCaption,      &PieceCountLabel};
}

void PageGameStart::Prepare() {
    Cut& cut = *board.cut;
    cut.longSideCount = DifficultySlider.CurrentValue;
    PieceCountLabel.Text = cut.GetLabel();
}

Gdiplus::Rect PageGameStart::PictureRect() {
    RECT client;
    GetClientRect(Handle(), client);
    const Gdiplus::Bitmap& picture = *board.picture;
    return FitOrCenter(client.left + kPictureMargin, client.top + kPictureMargin,
                       client.right - client.left - 2 * kPictureMargin, client.bottom - client.top - kPictureHeightLoss,
                       static_cast<int32_t>(picture.GetWidth()), static_cast<int32_t>(picture.GetHeight()));
}

void PageGameStart::PaintBackground(Gdiplus::Graphics& g, int, int, int, int) {
    g.FillRectangle(&SharedSolidBrush(kPageBackground), Bounds);
    const Gdiplus::Rect box = PictureRect();
    g.DrawImage(board.picture.Get(), box);
    // Dereferenced, so that a missing cut fails as the checked holder's operator * does.
    (*board.cut).DrawPreview(g, box.X, box.Y, box.Width, box.Height);
}

// A step changes the cut's lines, the count and the thumb, nothing else: one redraw of the
// rectangle that holds them keeps a step at 25 pieces a side quick. The lines are drawn at the
// picture's own scale, so over a reduced picture they reach beyond its box.
void PageGameStart::RedrawStep() {
    const Gdiplus::Rect box = PictureRect();
    const Gdiplus::Bitmap& picture = *board.picture;
    const Gdiplus::Rect lines(box.X, box.Y, std::max(box.Width, static_cast<int32_t>(picture.GetWidth())),
                              std::max(box.Height, static_cast<int32_t>(picture.GetHeight())));
    Gdiplus::Rect area;
    UnionRect(area, lines, PieceCountLabel.Bounds);
    UnionRect(area, area, DifficultySlider.Bounds);
    RedrawRect(area.X, area.Y, area.Width, area.Height);
}

void PageGameStart::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyValueChanged && sender == &DifficultySlider) {
        Prepare();
        RedrawStep();
    } else if (code == NotifyClick && sender == &StartStrip.button) {
        navigator.ShowPageGame();
    } else if (code == NotifyClick && sender == &GalleryStrip.button) {
        navigator.ShowPageStart();
    }
}
