// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Back to Gallery?" confirmation: "Yes" ends it with 6, "No" with 7.

#include "ui/Dialog.h"

class DialogYesNo : public Dialog {
public:
    static constexpr INT_PTR kYes = 6;
    static constexpr INT_PTR kNo = 7;

    // Places the buttons from the theme's image widths, so the theme must be installed.
    DialogYesNo();

    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

private:
    CommandStrip yes;
    CommandStrip no;
};
