// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The set-up page: the chosen picture with the cut's lines over it, a "Difficulty:" slider for
// the pieces along the picture's longer side, the resulting piece count, and "Start" and
// "Gallery" as two strips of puzzle pieces along the bottom. It changes nothing but the cut's
// longSideCount on the board.

#include <cstdint>

#include "pages/PageNavigator.h"
#include "ui/CommandStrip.h"
#include "ui/ControlHostWindow.h"
#include "ui/Label.h"
#include "ui/Slider.h"

class Board;

class PageGameStart : public ControlHostWindow {
public:
    static constexpr ::StyleId kStyleId = StyleId::SetUpPage;
    static constexpr int32_t kMinimumPieces = 2;
    static constexpr int32_t kMaximumPieces = 25;
    static constexpr int32_t kInitialPieces = 7;

    // Places the controls from the theme's and the UI folder's image sizes, so both must be
    // available. The picture and the cut are the board's.
    PageGameStart(Board& board, PageNavigator& navigator);

    // Before the page is shown, and at every slider step: the cut takes the slider's value and
    // the count text names the pieces it gives for the board's picture. Raises when the board
    // has no cut or no picture.
    void Prepare();

    // Where the picture goes: the client area 10 pixels in from the sides and the top, 90
    // pixels less high, the picture reduced to fit it but never enlarged.
    Gdiplus::Rect PictureRect();

    // The page colour, the picture and the cut's lines over it; the controls come on top.
    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

    // In the order they are appended: the two buttons, their end pieces, then the slider line.
    CommandStrip StartStrip;
    CommandStrip GalleryStrip;
    Slider DifficultySlider;   // keeps its value for the page's life, so the last choice stays
    Label DifficultyCaption;
    Label PieceCountLabel;

private:
    void RedrawStep();

    Board& board;
    PageNavigator& navigator;
};
