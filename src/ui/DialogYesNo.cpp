// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogYesNo.h"

#include "ui/PanelLayout.h"

DialogYesNo::DialogYesNo()
    : Dialog(StyleId::GalleryYesNoPanel), yes(StyleId::YesButton, "Yes", this), no(StyleId::NoButton, "No", this) {
    Width = 400;
    Height = 200;
    Caption = "Back to Gallery?";
    PlacePair(yes, no, PanelLayout::kPairSpacing, PanelLayout::kButtonBottom);
    Children = {&yes.button, &yes.leftPiece, &yes.rightPiece, &no.button, &no.leftPiece, &no.rightPiece};
}

void DialogYesNo::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code != NotifyClick)
        return;
    if (sender == &yes.button)
        EndWith(kYes);
    else if (sender == &no.button)
        EndWith(kNo);
}
