#include "ui/DialogYesNo.h"

#include "ui/PanelStyle.h"

DialogYesNo::DialogYesNo()
    : Dialog(PanelStyle::kYesNo),
      yes(PanelStyle::kYesButton, this),
      yesLeft(PanelStyle::kLeftPiece, this),
      yesRight(PanelStyle::kRightPiece, this),
      no(PanelStyle::kNoButton, this),
      noLeft(PanelStyle::kLeftPiece, this),
      noRight(PanelStyle::kRightPiece, this) {
    Width = 400;
    Height = 200;
    Caption = "Back to Gallery?";
    yes.Text = "Yes";
    no.Text = "No";
    PlaceButtonPair(yes, yesLeft, yesRight, no, noLeft, noRight, PanelStyle::kPairSpacing,
                    PanelStyle::kButtonBottom);
    Children = {&yes, &yesLeft, &yesRight, &no, &noLeft, &noRight};
}

void DialogYesNo::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code != NotifyClick)
        return;
    if (sender == &yes)
        EndWith(kYes);
    else if (sender == &no)
        EndWith(kNo);
}
