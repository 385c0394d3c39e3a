// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogGameComplete.h"

#include "ui/PanelLayout.h"

DialogGameComplete::DialogGameComplete()
    : Dialog(StyleId::GameCompletePanel),
      backToGallery(StyleId::BackToGalleryButton, "Back to Gallery", this),
      close(StyleId::CloseButton, "Close", this) {
    Width = 400;
    Height = 200;
    Caption = "Well Done!";
    PlacePair(backToGallery, close, PanelLayout::kPairSpacing, PanelLayout::kButtonBottom);
    Children = {&backToGallery.button, &backToGallery.leftPiece, &backToGallery.rightPiece,
                &close.button,         &close.leftPiece,         &close.rightPiece};
}

// Only the two buttons send clicks; each answers with its own style id.
void DialogGameComplete::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyClick && sender)
        EndWith(static_cast<INT_PTR>(sender->StyleId));
}
