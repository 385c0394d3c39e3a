// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageGame.h"

#include "gfx/Rectangles.h"
#include "gfx/Graphics.h"
#include "platform/Input.h"
#include "platform/Messages.h"
#include "platform/Sound.h"
#include "platform/WindowApi.h"
#include "play/Board.h"
#include "play/Scatter.h"
#include "ui/CommandStrip.h"
#include "ui/DialogGameComplete.h"
#include "ui/DialogYesNo.h"
#include "ui/SharedDrawing.h"
#include "ui/UiImages.h"

namespace {

constexpr int kBarLeft = 5;
constexpr int kBarBottom = 5;
// The board stops this far above the bar's top edge.
constexpr int kBoardGap = 6;
constexpr int32_t kPreviewEdges[] = {30, 100, 200, 300};
constexpr int kMagnifierEdge = 15;
// The switch is the corner's 60 x 30 area; a change repaints the largest preview's area.
constexpr int kSwitchWidth = 60;
constexpr int kSwitchHeight = 30;
constexpr int kPreviewRepaintEdge = 301;
constexpr Gdiplus::ARGB kPreviewOutline = 0xFFFFFFFF;

}   // namespace

PageGame::PageGame(Board& board, PageNavigator& navigator)
    : ControlHostWindow(kStyleId),
      LeftCap(StyleId::FlatLeftCap, this),
      Joint1(StyleId::JointInOut, this),
      Joint2(StyleId::JointOutIn, this),
      Joint3(StyleId::JointInOut, this),
      Joint4(StyleId::JointOutIn, this),
      RightCap(StyleId::FlatRightCap, this),
      ShuffleButton(StyleId::ShuffleButton, this),
      FilterButton(StyleId::FilterButton, this),
      GalleryButton(StyleId::PlayGalleryButton, this),
      PauseButton(StyleId::PauseButton, this),
      TimeLabel(StyleId::TimeLabel, this),
      board(board),
      navigator(navigator) {
    ShuffleButton.Text = "Shuffle";
    FilterButton.CheckedText = "Show All";
    FilterButton.UncheckedText = "Edges Only";
    GalleryButton.Text = "Gallery";
    PauseButton.Text = "Pause";
    PlaceInRow({&LeftCap, &ShuffleButton, &Joint1, &FilterButton, &Joint2, &GalleryButton, &Joint3, &PauseButton,
                &Joint4, &TimeLabel, &RightCap},
               kBarLeft, kBarBottom);
    Children = {&LeftCap,       &Joint1,       &Joint2,        &Joint3,      &Joint4,   &RightCap,
                &ShuffleButton, &FilterButton, &GalleryButton, &PauseButton, &TimeLabel};
}

PageGame::~PageGame() = default;

void PageGame::StartGame() {
    FilterButton.State = board.edgesOnly ? MultiStateButton::kChecked : MultiStateButton::kUnchecked;
    const Gdiplus::Rect boardRect = BoardRect();
    previewImage.reset();   // the gallery may have chosen another picture
    board.NewGame();
    Scatter(board, boardRect, PreviewRect());
    TimeLabel.Text = board.ElapsedText();
}

Gdiplus::Rect PageGame::BoardRect() {
    RECT client;
    GetClientRect(Handle(), client);
    const int barHeight = FilterButton.GetHeight() + kBoardGap;
    return Gdiplus::Rect(0, 0, client.right, client.bottom - barHeight);
}

Gdiplus::Rect PageGame::PreviewRect() {
    RECT client;
    GetClientRect(Handle(), client);
    const int32_t edge = PreviewEdge();
    Gdiplus::Rect preview = FitRect(static_cast<int32_t>(board.picture->GetWidth()),
                                    static_cast<int32_t>(board.picture->GetHeight()), 0, 0, edge, edge);
    preview.X = client.right - preview.Width - 1;
    preview.Y = client.bottom - preview.Height - 1;
    return preview;
}

int32_t PageGame::PreviewEdge() const {
    return kPreviewEdges[static_cast<size_t>(previewSize) % std::size(kPreviewEdges)];
}

bool PageGame::OnDeactivate() {
    ReleaseCapture();
    FinishDrop();
    board.StopClock();
    return true;
}

bool PageGame::OnMouseUp(int x, int y) {
    ReleaseCapture();
    ControlHostWindow::OnMouseUp(x, y);
    FinishDrop();
    return true;
}

bool PageGame::OnMouseDown(int x, int y) {
    if (ControlHostWindow::OnMouseDown(x, y))
        return true;
    if (board.Pick(x, y)) {
        SetCapture(Handle());
        const Gdiplus::Rect box = board.dragged->BoardBox();
        RedrawRect(box.X, box.Y, box.Width, box.Height);
        return true;
    }
    RECT client;
    GetClientRect(Handle(), client);
    if (x >= client.right - kSwitchWidth && x < client.right && y >= client.bottom - kSwitchHeight &&
        y < client.bottom) {
        previewSize = (previewSize + 1) % static_cast<int32_t>(std::size(kPreviewEdges));
        RedrawRect(client.right - kPreviewRepaintEdge, client.bottom - kPreviewRepaintEdge, kPreviewRepaintEdge,
                   kPreviewRepaintEdge);
    }
    return false;
}

bool PageGame::OnMouseMove(int x, int y) {
    ControlHostWindow::OnMouseMove(x, y);
    if (!board.dragged)
        return false;
    const Gdiplus::Rect old = board.dragged->BoardBox();
    board.DragTo(x, y, BoardRect());
    Gdiplus::Rect area;
    UnionRect(area, old, board.dragged->BoardBox());
    RedrawRect(area.X, area.Y, area.Width, area.Height);
    return true;
}

void PageGame::PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) {
    g.FillRectangle(&SharedSolidBrush(kPageBackground), x, y, w, h);
    const Gdiplus::Rect clip(x, y, w, h);
    const Gdiplus::Rect preview = PreviewRect();
    // The outline runs along the box's right and bottom edge too.
    const Gdiplus::Rect framed(preview.X, preview.Y, preview.Width + 1, preview.Height + 1);
    Gdiplus::Rect visible;
    if (previewSize > 0 && Gdiplus::Rect::Intersect(visible, framed, clip)) {
        g.DrawImage(PreviewImage(preview), preview.X, preview.Y);
        g.DrawRectangle(&SharedPen(kPreviewOutline, 1.0f), preview);
    }
    g.DrawImage(UiImages::Instance().MagnifierImage(),
                Gdiplus::Rect(preview.X + preview.Width - kMagnifierEdge, preview.Y + preview.Height - kMagnifierEdge,
                              kMagnifierEdge, kMagnifierEdge));
    board.Draw(g);
}

void PageGame::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code != NotifyClick)
        return;
    if (sender == &ShuffleButton)
        Shuffle();
    else if (sender == &FilterButton)
        ToggleFilter();
    else if (sender == &GalleryButton)
        BackToGallery();
    else if (sender == &PauseButton)
        Pause();
}

bool PageGame::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_CREATE) {
        SetTimer(Handle(), kClockTimer, kClockPeriodMs);
        result = 0;
        return true;
    }
    if (message == WM_TIMER && wParam == kClockTimer) {
        ShowClock();
        result = 0;
        return true;
    }
    return false;
}

void PageGame::FinishDrop() {
    const DropResult drop = board.Drop();
    if (!drop.joined)
        return;   // nothing on the board changed
    RedrawRect(drop.area.X, drop.area.Y, drop.area.Width, drop.area.Height);
    PlaySound("A_FIT", SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
    if (!drop.solved)
        return;
    RedrawAll();
    DialogGameComplete complete;
    if (complete.ShowModal(PanelOwner()) == DialogGameComplete::kBackToGallery)
        navigator.ShowPageStart();
}

// The ticks run for the page's whole life; only the shown page's label changes.
void PageGame::ShowClock() {
    if (!IsWindowVisible(Handle()))
        return;
    TimeLabel.Text = board.ElapsedText();
    const Gdiplus::Rect& label = TimeLabel.Bounds;
    RedrawRect(label.X, label.Y, label.Width, label.Height);
}

// The clock goes on: shuffling is not a pause.
void PageGame::Shuffle() {
    Scatter(board, BoardRect(), PreviewRect());
    RedrawAll();
}

void PageGame::ToggleFilter() {
    FilterButton.State =
        FilterButton.State == MultiStateButton::kChecked ? MultiStateButton::kUnchecked : MultiStateButton::kChecked;
    board.edgesOnly = FilterButton.State == MultiStateButton::kChecked;
    RedrawAll();
}

// A solved puzzle leaves at once; an unsolved one only when the player says yes.
void PageGame::BackToGallery() {
    if (board.groups.size() > 1) {
        DialogYesNo confirm;
        if (confirm.ShowModal(PanelOwner()) != DialogYesNo::kYes)
            return;
    }
    navigator.ShowPageStart();
}

// The clock stays stopped after the panel closes, until the next pick-up.
void PageGame::Pause() {
    board.StopClock();
    if (pausePanel.Get())
        return;
    pausePanel.Reset(std::make_unique<DialogPause>());
    struct Release {
        CPtr<DialogPause>& panel;
        ~Release() { panel.Reset(); }
    } release{pausePanel};
    pausePanel->ShowModal(Handle());
}

HWND PageGame::PanelOwner() {
    const HWND active = GetActiveWindow();
    return active ? active : Handle();
}

Gdiplus::Bitmap* PageGame::PreviewImage(const Gdiplus::Rect& preview) {
    if (!previewImage || static_cast<int>(previewImage->GetWidth()) != preview.Width ||
        static_cast<int>(previewImage->GetHeight()) != preview.Height) {
        previewImage = std::make_unique<Gdiplus::Bitmap>(preview.Width, preview.Height);
        Gdiplus::Graphics scaled(previewImage.get());
        scaled.DrawImage(board.picture.Get(), Gdiplus::Rect(0, 0, preview.Width, preview.Height));
        scaled.Flush();
    }
    return previewImage.get();
}
