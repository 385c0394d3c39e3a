#include "ui/DialogGameComplete.h"

#include "ui/PanelStyle.h"

DialogGameComplete::DialogGameComplete()
    : Dialog(PanelStyle::kGameComplete),
      backToGallery(PanelStyle::kBackToGalleryButton, this),
      backLeft(PanelStyle::kLeftPiece, this),
      backRight(PanelStyle::kRightPiece, this),
      close(PanelStyle::kCloseButton, this),
      closeLeft(PanelStyle::kLeftPiece, this),
      closeRight(PanelStyle::kRightPiece, this) {
    Width = 400;
    Height = 200;
    Caption = "Well Done!";
    backToGallery.Text = "Back to Gallery";
    close.Text = "Close";
    PlaceButtonPair(backToGallery, backLeft, backRight, close, closeLeft, closeRight,
                    PanelStyle::kPairSpacing, PanelStyle::kButtonBottom);
    Children = {&backToGallery, &backLeft, &backRight, &close, &closeLeft, &closeRight};
}

// Only the two buttons send clicks; each answers with its own style id.
void DialogGameComplete::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyClick && sender)
        EndWith(sender->StyleId);
}
