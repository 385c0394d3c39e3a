#include "ui/DialogPause.h"

#include "ui/PanelStyle.h"

DialogPause::DialogPause()
    : Dialog(PanelStyle::kPause), resume(PanelStyle::kResumeButton, "Resume", this) {
    Width = 300;
    Height = 200;
    Caption = "Paused";
    resume.Place(0, PanelStyle::kButtonBottom);
    Children = {&resume.button, &resume.leftPiece, &resume.rightPiece};
}

void DialogPause::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyClick && sender == &resume.button)
        EndWith(kResume);
}
