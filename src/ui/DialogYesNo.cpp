#include "ui/DialogYesNo.h"

#include "ui/PanelStyle.h"

DialogYesNo::DialogYesNo()
    : Dialog(PanelStyle::kYesNo),
      yes(PanelStyle::kYesButton, "Yes", this),
      no(PanelStyle::kNoButton, "No", this) {
    Width = 400;
    Height = 200;
    Caption = "Back to Gallery?";
    PlacePair(yes, no, PanelStyle::kPairSpacing, PanelStyle::kButtonBottom);
    Children = {&yes.button, &yes.leftPiece, &yes.rightPiece,
                &no.button,  &no.leftPiece,  &no.rightPiece};
}

void DialogYesNo::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code != NotifyClick)
        return;
    if (sender == &yes.button)
        EndWith(kYes);
    else if (sender == &no.button)
        EndWith(kNo);
}
