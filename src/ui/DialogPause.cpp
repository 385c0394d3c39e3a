// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogPause.h"

#include "ui/PanelLayout.h"

DialogPause::DialogPause() : Dialog(StyleId::PausePanel), resume(StyleId::ResumeButton, "Resume", this) {
    Width = 300;
    Height = 200;
    Caption = "Paused";
    resume.Place(0, PanelLayout::kButtonBottom);
    Children = {&resume.button, &resume.leftPiece, &resume.rightPiece};
}

void DialogPause::OnNotify(NotifyCode code, Control* sender, Control*) {
    if (code == NotifyClick && sender == &resume.button)
        EndWith(kResume);
}
