#include "ui/DialogPause.h"

#include "ui/PanelStyle.h"

DialogPause::DialogPause()
    : Dialog(PanelStyle::kPause),
      resume(PanelStyle::kResumeButton, this),
      resumeLeft(PanelStyle::kLeftPiece, this),
      resumeRight(PanelStyle::kRightPiece, this) {
    Width = 300;
    Height = 200;
    Caption = "Paused";
    resume.Text = "Resume";
    resume.HorizontalCenter = 0;
    PlaceEndPieces(resume, resumeLeft, resumeRight, PanelStyle::kButtonBottom);
    Children = {&resume, &resumeLeft, &resumeRight};
}

void DialogPause::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyClick && sender == &resume)
        EndWith(kResume);
}
