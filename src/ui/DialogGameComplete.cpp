#include "ui/DialogGameComplete.h"

#include "ui/PanelStyle.h"

DialogGameComplete::DialogGameComplete()
    : Dialog(PanelStyle::kGameComplete),
      backToGallery(PanelStyle::kBackToGalleryButton, "Back to Gallery", this),
      close(PanelStyle::kCloseButton, "Close", this) {
    Width = 400;
    Height = 200;
    Caption = "Well Done!";
    PlacePair(backToGallery, close, PanelStyle::kPairSpacing, PanelStyle::kButtonBottom);
    Children = {&backToGallery.button, &backToGallery.leftPiece, &backToGallery.rightPiece,
                &close.button,         &close.leftPiece,         &close.rightPiece};
}

// Only the two buttons send clicks; each answers with its own style id.
void DialogGameComplete::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyClick && sender)
        EndWith(sender->StyleId);
}
