// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play page: the pieces on the board, a bar of skinned buttons and the clock along the
// bottom, and a preview of the picture in the bottom-right corner whose size a magnifier
// switch cycles. The board is the model; this page repaints, sounds and navigates.

#include <cstdint>
#include <memory>

#include "foundation/CPtr.h"
#include "gfx/Bitmap.h"
#include "pages/PageNavigator.h"
#include "ui/Button.h"
#include "ui/ControlHostWindow.h"
#include "ui/DialogPause.h"
#include "ui/Label.h"
#include "ui/MultiStateButton.h"

class Board;

class PageGame : public ControlHostWindow {
public:
    static constexpr ::StyleId kStyleId = StyleId::PlayPage;
    static constexpr UINT_PTR kClockTimer = 1;
    static constexpr UINT kClockPeriodMs = 1000;

    // Lays the bar out from the theme's image widths, so the theme must be installed. The
    // games are played on the board.
    PageGame(Board& board, PageNavigator& navigator);
    ~PageGame() override;

    // A fresh game on the board's picture and cut, before the page is shown: the filter
    // button follows the board's filter, the pieces are cut and scattered, the clock reads
    // "00:00".
    void StartGame();

    // Where the pieces may lie: the client area above the bar.
    Gdiplus::Rect BoardRect();
    // The picture fitted into the preview box of the current size in the bottom-right corner.
    Gdiplus::Rect PreviewRect();
    // The edge of the preview box: 30, 100, 200 or 300 pixels for previewSize 0 to 3.
    int32_t PreviewEdge() const;

    // 0 to 3; 0 also hides the preview picture, leaving only the magnifier icon.
    int32_t previewSize = 2;

    // The bar, in the order the children are appended (end caps and joints first, then the
    // commands); from left to right it reads cap, Shuffle, joint, filter, joint, Gallery,
    // joint, Pause, joint, time, cap.
    Label LeftCap;
    Label Joint1;
    Label Joint2;
    Label Joint3;
    Label Joint4;
    Label RightCap;
    Button ShuffleButton;
    MultiStateButton FilterButton;   // state 0 offers "Show All", state 1 "Edges Only"
    Button GalleryButton;
    Button PauseButton;
    Label TimeLabel;

    // The player switched to another application: the held group is dropped (and may join)
    // and the clock stops until the next pick-up.
    bool OnDeactivate() override;
    bool OnMouseUp(int x, int y) override;
    bool OnMouseDown(int x, int y) override;
    bool OnMouseMove(int x, int y) override;
    // Page colour, preview with its white outline, magnifier icon, then the board; the bar is
    // painted over all of it.
    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

protected:
    // The clock's timer is set when the window is made and refreshes the time label.
    bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Ends a drag: a join is repainted and sounded, the last one announced.
    void FinishDrop();
    void ShowClock();
    void Shuffle();
    void ToggleFilter();
    void BackToGallery();
    void Pause();
    // The window that a panel is shown over: the active one, else this page's.
    HWND PanelOwner();
    // The picture scaled to the preview's size, made once per game and size: scaling it on
    // every paint would cost more than all the pieces together.
    Gdiplus::Bitmap* PreviewImage(const Gdiplus::Rect& preview);

    Board& board;
    PageNavigator& navigator;
    CPtr<DialogPause> pausePanel;                    // at most one, while it is up
    std::unique_ptr<Gdiplus::Bitmap> previewImage;   // null until first drawn in a game
};
