// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pause panel: "Paused" and one "Resume" button, which ends it with 0.

#include "ui/Dialog.h"

class DialogPause : public Dialog {
public:
    static constexpr INT_PTR kResume = 0;

    // Places the button from the theme's image widths, so the theme must be installed.
    DialogPause();

    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

private:
    CommandStrip resume;
};
