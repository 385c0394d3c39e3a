// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommandStrip.h"

CommandStrip::CommandStrip(StyleId buttonStyle, const std::string& text, ContainerControl* parent)
    : button(buttonStyle, parent), leftPiece(StyleId::LeftCap, parent), rightPiece(StyleId::RightCap, parent) {
    button.Text = text;
}

void CommandStrip::Place(int centre, int bottom) {
    const int half = button.GetWidth() / 2;
    button.HorizontalCenter = centre;
    leftPiece.HorizontalCenter = centre - leftPiece.GetWidth() / 2 - half;
    rightPiece.HorizontalCenter = centre + half + rightPiece.GetWidth() / 2;
    button.Bottom = leftPiece.Bottom = rightPiece.Bottom = bottom;
}

void PlaceInRow(std::initializer_list<Control*> controls, int left, int bottom) {
    for (Control* control : controls) {
        control->Left = left;
        control->Bottom = bottom;
        left += control->GetWidth();
    }
}
