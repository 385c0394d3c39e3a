// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of the game's modal panels: a real modal window over its owner whose whole area is a
// control tree, with a solid background, a centred caption and a white frame.

#include <string>

#include "platform/DialogImpl.h"
#include "ui/CommandStrip.h"
#include "ui/TopLevelContainerControl.h"

class Dialog : public DialogImpl, public TopLevelContainerControl {
public:
    // The panel's size goes into its own Width and Height anchors; the window comes later.
    explicit Dialog(::StyleId style);

    // Creates the panel window over the owner, blocks until a button ends it and returns that
    // button's result; -1 when the window cannot be created. The owner gets no input meanwhile.
    INT_PTR ShowModal(HWND owner);
    // Ends the modal loop with the result; the window goes away and ShowModal returns it.
    void EndWith(INT_PTR result);

    HWND GetWindowHandle() override { return Handle(); }
    // Moves the panel over the owner's client area on initialisation; keyboard and close
    // commands are ignored, so only the panel's buttons end it; the tree gets everything else.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;

    std::string Caption;   // drawn in the middle of the panel; empty draws nothing

protected:
    // Two commands either side of the centre line: a's right edge `spacing` left of it, b
    // `spacing` right of it, both offsets taken from a's width (the pairs share one image).
    static void PlacePair(CommandStrip& a, CommandStrip& b, int spacing, int bottom);

private:
    void CentreOverOwner();
};
